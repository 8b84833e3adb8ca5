// The settings file "zbl.cfg": its exact bytes for given settings, and the
// command lines a reader hands to CalculateTask.
//
// The file is made of the same "#" command lines a user can type; cleaning
// drops the blanks and everything from the first "=", so the text after "="
// is a comment. Titles and banner lines do not begin with "#" and run nothing.
// Nothing here touches a file or the platform.
#pragma once

#include <cstddef>
#include <cstdint>

#include "task_record.h"

inline constexpr char kSettingsFileName[] = "zbl.cfg";
// Written first and then moved over kSettingsFileName, so that a failed save
// leaves the old settings in place.
inline constexpr char kSettingsTempFileName[] = "zbl.cfg.new";

// The numbers CalculateTask hands back for the view lines; only the settings
// reader gives them a meaning.
inline constexpr int kViewDisplayOnly = 501;
inline constexpr int kViewAlwaysOnTop = 502;
inline constexpr int kViewHistory = 503;
inline constexpr int kViewTaskNumbering = 504;
inline constexpr int kViewClearHistory = 505;

// The main window's four view options, 0 or 1 (any non-zero value counts as set).
struct ViewFlags {
    int32_t bDisplayOnly = 0;
    int32_t bAlwaysOnTop = 0;
    int32_t bHistoryVisible = 0;
    int32_t bTaskNumbering = 0;
};

// Room for the longest settings file: every view line and the widest numbers.
inline constexpr size_t kSettingsTextCapacity = 1024;

// Writes the bytes of the settings file for the six settings of `settings`
// and the view flags into `out`, NUL-terminated, with every line ended by
// CR LF and a line holding a single CR (bytes CR CR LF) before each of the
// four titles that follow the banner. Returns the number of bytes, or 0 (and
// an empty text) when they do not fit `capacity` characters; never writes
// past `capacity` + 1 chars. kSettingsTextCapacity always suffices.
size_t WriteSettingsText(const TaskRecord& settings, const ViewFlags& view, char* out, size_t capacity);

// Collects the bytes of a settings file one at a time, as they are read, and
// tells when a command line is complete.
//
// A line ends at a line feed; one CR directly before it is not part of the
// line, so files with CR LF and with LF line ends read alike. A complete line
// is offered only when its first character is "#" and it has at most
// kInputLineCapacity characters: a longer line is skipped whole, exactly as
// the input line refuses such a line rather than cutting it. Bytes after the
// last line feed never form a line. Memory stays bounded whatever the input.
class SettingsLineCollector {
public:
    // Takes the next byte of the file. True when it completed a command
    // line; Line() holds that line until the next call.
    bool Take(char c);

    // The completed command line, NUL-terminated. An embedded NUL ends the
    // text as CopyText and the engine see it.
    const char* Line() const { return line_; }

private:
    // One more than a task may hold, so that a CR before the line feed fits.
    static constexpr size_t kCapacity = kInputLineCapacity + 1;

    char line_[kCapacity + 1] = {};
    size_t length_ = 0;
    bool overlong_ = false;
};
