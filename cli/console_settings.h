// The console calculator's settings file: the window's format ("#" command
// lines), read and written with the window's code, kept in the user's
// configuration folder.
//
// Loading runs every command line of the file on the record, as the window
// does at start-up. Saving changes only what the session changed: the last
// line that sets a changed setting is rewritten (or a line added), and every
// other line (view lines #501-#505, titles, comments) stays as it was.
#pragma once

#include <string>

#include "task_record.h"

// The settings a record carries, one bit each.
enum SettingField : unsigned {
    kFieldAngle = 1,
    kFieldMode = 2,
    kFieldDecimals = 4,
    kFieldGrouping = 8,
    kFieldSeparator = 16,
    kFieldComma = 32,
};

// Which settings differ between two records.
unsigned DifferentSettings(const TaskRecord& a, const TaskRecord& b);

// The user's settings file: $XDG_CONFIG_HOME/zentrabel/zbl.cfg, or
// ~/.config/zentrabel/zbl.cfg (on Windows %APPDATA%\Zentrabel\zbl.cfg).
// Empty when no home folder is known.
std::string UserSettingsPath();

// Runs the command lines of a settings file's `text` on `record`. False when
// the file is damaged (a NUL byte, or a command line that fails): `problem`
// then says what, and the record may be partly changed.
bool ApplySettingsText(const std::string& text, TaskRecord& record, std::string& problem);

// The file `text` changed so that it gives the settings of `now`, keeping
// every line that does not set a changed setting. An empty `text` gives the
// window's whole settings file for `now`.
std::string MergeSettingsText(const std::string& text, const TaskRecord& now);

// The settings a session starts from and where they go back.
class ConsoleSettings {
public:
    // Starts `record` from the file at `path` (defaults when there is none).
    // An unreadable or damaged file gives one warning on standard error and
    // the defaults, and is never written over.
    void Load(const std::string& path, TaskRecord& record);

    // Writes the file back, atomically, when `record`'s settings differ from
    // those it was loaded with; the folder is made when missing. A failure
    // gives one warning on standard error. False only on a failed write.
    bool SaveIfChanged(const TaskRecord& record);

private:
    std::string path_;
    std::string text_;     // the file as read
    TaskRecord loaded_{};  // the settings after loading
    bool writable_ = false;
};
