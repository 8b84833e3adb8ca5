#include "console_settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "console_io.h"
#include "engine.h"
#include "settings_file.h"
#include "settings_text.h"
#include "text.h"

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

// A settings file larger than this is no settings file.
constexpr size_t kLargestFile = 1 << 16;

constexpr unsigned kAllFields =
    kFieldAngle | kFieldMode | kFieldDecimals | kFieldGrouping | kFieldSeparator | kFieldComma;

TaskRecord Defaults() {
    TaskRecord record;
    ResetTaskRecord(record);
    return record;
}

// Two records whose every setting differs, the defaults and their opposite:
// a line changes a setting when it changes it in one of them.
TaskRecord Probe(bool second) {
    TaskRecord record = Defaults();
    if (!second) return record;
    record.iAngleUnit = record.iAngleUnit == kDegrees ? kRadians : kDegrees;
    record.iNumberMode = record.iNumberMode == kModeScientific ? kModeAutomatic : kModeScientific;
    record.iDecimals = record.iDecimals == 7 ? 2 : 7;
    record.bDigitGrouping = !record.bDigitGrouping;
    record.bFunctionSeparator = !record.bFunctionSeparator;
    record.bDecimalComma = !record.bDecimalComma;
    return record;
}

// The settings a command line sets, found by running it: the engine's own
// reading of the line, not a second one.
unsigned SettingsOf(const std::string& line) {
    if (line.empty() || line[0] != '#' || line.size() > kInputLineCapacity) return 0;
    unsigned fields = 0;
    for (bool second : {false, true}) {
        TaskRecord record = Probe(second);
        const TaskRecord before = record;
        CopyText(record.szTask, line.c_str());
        CalculateTask(record);
        fields |= DifferentSettings(before, record);
    }
    return fields;
}

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n" or "" (the last line)
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back({text.substr(start), ""});
            break;
        }
        size_t end = lf;
        if (end > start && text[end - 1] == '\r') --end;
        lines.push_back({text.substr(start, end - start), text.substr(end, lf + 1 - end)});
        start = lf + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& line : lines) text += line.text + line.end;
    return text;
}

// The window's own line for one setting of `now` (from its settings file).
std::string CanonicalLine(unsigned field, const TaskRecord& now) {
    char text[kSettingsTextCapacity + 1];
    WriteSettingsText(now, ViewFlags{}, text, kSettingsTextCapacity);
    for (const Line& line : SplitLines(text))
        if (SettingsOf(line.text) == field) return line.text;
    return std::string();
}

bool MakeFolders(const std::string& path) {
    for (size_t slash = path.find_first_of("/\\", 1); slash != std::string::npos;
         slash = path.find_first_of("/\\", slash + 1)) {
        const std::string folder = path.substr(0, slash);
#ifdef _WIN32
        if (folder.size() == 2 && folder[1] == ':') continue;  // a drive
        if (_mkdir(folder.c_str()) != 0 && errno != EEXIST) return false;
#else
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
#endif
    }
    return true;
}

bool ReplaceFile(const char* from, const char* to) {
#ifdef _WIN32
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

}  // namespace

unsigned DifferentSettings(const TaskRecord& a, const TaskRecord& b) {
    unsigned fields = 0;
    if (a.iAngleUnit != b.iAngleUnit) fields |= kFieldAngle;
    if (a.iNumberMode != b.iNumberMode) fields |= kFieldMode;
    if (a.iDecimals != b.iDecimals) fields |= kFieldDecimals;
    if (a.bDigitGrouping != b.bDigitGrouping) fields |= kFieldGrouping;
    if (a.bFunctionSeparator != b.bFunctionSeparator) fields |= kFieldSeparator;
    if (a.bDecimalComma != b.bDecimalComma) fields |= kFieldComma;
    return fields;
}

std::string UserSettingsPath() {
#ifdef _WIN32
    const char* appData = std::getenv("APPDATA");
    if (!appData || !*appData) return std::string();
    return std::string(appData) + "\\Zentrabel\\" + kSettingsFileName;
#else
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/zentrabel/" + kSettingsFileName;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::string();
    return std::string(home) + "/.config/zentrabel/" + kSettingsFileName;
#endif
}

bool ApplySettingsText(const std::string& text, TaskRecord& record, std::string& problem) {
    if (text.find('\0') != std::string::npos) {
        problem = "holds bytes that are no text";
        return false;
    }
    // The window's reader: only whole "#" lines of a task's length run.
    SettingsLineCollector collector;
    size_t lineNumber = 1;
    for (char c : text) {
        if (collector.Take(c)) {
            CopyText(record.szTask, collector.Line());
            if (ReadOutcome(CalculateTask(record), record) == Outcome::kFailure) {
                problem = "line " + std::to_string(lineNumber) + " is no setting (" + record.szAnswer + ")";
                return false;
            }
        }
        if (c == '\n') ++lineNumber;
    }
    return true;
}

std::string MergeSettingsText(const std::string& text, const TaskRecord& now) {
    if (text.empty()) {
        char whole[kSettingsTextCapacity + 1];
        const size_t size = WriteSettingsText(now, ViewFlags{}, whole, kSettingsTextCapacity);
        return std::string(whole, size);
    }
    TaskRecord fromFile = Defaults();
    std::string problem;
    ApplySettingsText(text, fromFile, problem);
    const unsigned changed = DifferentSettings(fromFile, now);
    if (changed == 0) return text;

    std::vector<Line> lines = SplitLines(text);
    // New lines end as the file's lines do (as the system's do in a file of
    // one line).
#ifdef _WIN32
    std::string newline = "\r\n";
#else
    std::string newline = "\n";
#endif
    if (!lines.front().end.empty()) newline = lines.front().end;
    std::vector<unsigned> sets;
    for (const Line& line : lines) sets.push_back(SettingsOf(line.text));

    for (unsigned field = 1; field & kAllFields; field <<= 1) {
        if (!(changed & field)) continue;
        const std::string canonical = CanonicalLine(field, now);
        size_t last = lines.size();
        for (size_t i = 0; i < lines.size(); ++i)
            if (sets[i] & field) last = i;
        if (last < lines.size() && sets[last] == field) {
            lines[last].text = canonical;  // a line of this setting alone
        } else {
            // After the last line that sets it with another setting (#fix 4
            // before a change of the decimals), or at the end.
            const size_t at = last < lines.size() ? last + 1 : lines.size();
            if (at == lines.size() && lines.back().end.empty()) lines.back().end = newline;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{canonical, newline});
            sets.insert(sets.begin() + static_cast<std::ptrdiff_t>(at), field);
        }
    }
    std::string merged = JoinLines(lines);

    // What must hold: the merged file gives exactly the settings of `now`.
    TaskRecord check = Defaults();
    if (!ApplySettingsText(merged, check, problem) || DifferentSettings(check, now) != 0) {
        if (!merged.empty() && merged.back() != '\n') merged += newline;
        for (unsigned field = 1; field & kAllFields; field <<= 1) merged += CanonicalLine(field, now) + newline;
    }
    return merged;
}

void ConsoleSettings::Load(const std::string& path, TaskRecord& record) {
    path_ = path;
    writable_ = false;
    text_.clear();
    ResetTaskRecord(record);
    loaded_ = record;
    if (path.empty()) return;

    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        // No file yet is the usual start; anything else is worth a word.
        if (errno == ENOENT || errno == ENOTDIR) {
            writable_ = true;  // saving will tell whether the folder can be made
        } else {
            Warn(path + ": cannot be read (" + std::strerror(errno) + "); starting from the defaults");
        }
        return;
    }
    char block[4096];
    size_t got = 0;
    bool tooLarge = false;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        text_.append(block, got);
        if (text_.size() > kLargestFile) {
            tooLarge = true;
            break;
        }
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);

    std::string problem;
    if (readError) problem = "cannot be read";
    else if (tooLarge) problem = "is too large for a settings file";
    else if (ApplySettingsText(text_, record, problem)) {
        loaded_ = record;
        writable_ = true;
        return;
    }
    Warn(path + ": " + problem + "; starting from the defaults and leaving the file as it is");
    ResetTaskRecord(record);
    loaded_ = record;
    text_.clear();
}

bool ConsoleSettings::SaveIfChanged(const TaskRecord& record) {
    if (!writable_ || DifferentSettings(loaded_, record) == 0) return true;
    const std::string merged = MergeSettingsText(text_, record);
    const std::string temp = path_ + ".new";
    if (!MakeFolders(path_) ||
        !SaveFileReplacing(path_.c_str(), temp.c_str(), merged.data(), merged.size(), ReplaceFile)) {
        Warn(path_ + ": the settings could not be saved");
        return false;
    }
    text_ = merged;
    loaded_ = record;
    return true;
}
