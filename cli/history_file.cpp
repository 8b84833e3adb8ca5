#include "history_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "console_io.h"
#include "task_record.h"

#ifdef _WIN32
#include <process.h>
#define ZBL_FILENO _fileno
#define ZBL_GETPID _getpid
#else
#include <sys/stat.h>
#include <unistd.h>
#define ZBL_FILENO fileno
#define ZBL_GETPID getpid
#endif

namespace fs = std::filesystem;

namespace {

// The last `bound` history lines of the file at `path` into `lines`. A
// missing file gives none and true; a file that exists but cannot be read
// gives false with errno set.
bool ReadLastLines(const std::string& path, size_t bound, std::deque<std::string>& lines) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno == ENOENT;
    LineReader reader(ZBL_FILENO(file));
    std::string line;
    size_t length = 0;
    while (reader.Next(line, kInputLineCapacity + 1, length)) {
        if (length != line.size() || !IsHistoryLine(line)) continue;
        lines.push_back(line);
        if (lines.size() > bound) lines.pop_front();
    }
    const int readError = reader.Failed() ? errno : 0;
    std::fclose(file);
    errno = readError;
    return readError == 0;
}

// A name beside the history for writing it anew; the process id keeps two
// sessions that end together apart.
std::string TemporaryName(const std::string& path) {
    return path + ".tmp" + std::to_string(static_cast<long>(ZBL_GETPID()));
}

std::string Describe(const char* what, const std::string& name, const char* why) {
    return std::string(what) + " " + name + ": " + why;
}

}  // namespace

std::string HistoryPath(const char* stateHome, const char* home) {
    if (stateHome && stateHome[0] == '/') return std::string(stateHome) + "/zentrabel/history";
    if (home && home[0]) return std::string(home) + "/.local/state/zentrabel/history";
    return {};
}

bool IsHistoryLine(const std::string& line) {
    return !line.empty() && line.size() <= kInputLineCapacity && line.find_first_of("\r\n") == std::string::npos;
}

bool HistoryFile::Open(std::vector<std::string>& lines, std::string& error) {
    lines.clear();
    usable_ = false;
    if (path_.empty()) {
        error = "no history kept: neither XDG_STATE_HOME nor HOME is set";
        return false;
    }
    const fs::path folder = fs::path(path_).parent_path();
    std::error_code code;
    fs::create_directories(folder, code);
    if (code) {
        error = Describe("no history kept: cannot create", folder.string(), code.message().c_str());
        return false;
    }
    std::deque<std::string> kept;
    if (!ReadLastLines(path_, bound_, kept)) {
        // Saving would replace a history that could not be read.
        error = Describe("no history kept: cannot read", path_, std::strerror(errno));
        return false;
    }
    const std::string probe = TemporaryName(path_);
    std::FILE* file = std::fopen(probe.c_str(), "wb");
    if (!file) {
        error = Describe("no history kept: cannot write in", folder.string(), std::strerror(errno));
        return false;
    }
    std::fclose(file);
    std::remove(probe.c_str());
    lines.assign(kept.begin(), kept.end());
    usable_ = true;
    return true;
}

void HistoryFile::Add(const std::string& line) {
    if (!usable_ || !IsHistoryLine(line)) return;
    added_.push_back(line);
    if (added_.size() > bound_) added_.pop_front();
}

bool HistoryFile::Save(std::string& error) {
    if (!usable_ || added_.empty()) return true;
    std::deque<std::string> lines;
    if (!ReadLastLines(path_, bound_, lines)) {
        error = Describe("history not saved: cannot read", path_, std::strerror(errno));
        return false;
    }
    for (const std::string& line : added_) {
        lines.push_back(line);
        if (lines.size() > bound_) lines.pop_front();
    }
    const std::string temporary = TemporaryName(path_);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = Describe("history not saved: cannot write", temporary, std::strerror(errno));
        return false;
    }
#ifndef _WIN32
    fchmod(fileno(file), 0600);  // what someone typed is theirs to read, as a shell keeps its history
#endif
    bool written = true;
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fputc('\n', file) == EOF) {
            written = false;
            break;
        }
    }
    int why = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        why = errno;
    }
    std::error_code code;
    if (written) fs::rename(temporary, path_, code);
    if (!written || code) {
        error = Describe("history not saved: cannot write", path_, code ? code.message().c_str() : std::strerror(why));
        std::remove(temporary.c_str());
        return false;
    }
    added_.clear();
    return true;
}
