#include "console_io.h"

#include "text_encoding.h"
#include "windows_console.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#define ZBL_READ _read
#define ZBL_WRITE _write
#else
#include <unistd.h>
#define ZBL_READ ::read
#define ZBL_WRITE ::write
#endif

namespace {

constexpr unsigned kMaxChunk = 1u << 30;  // _read and _write take an unsigned count

}  // namespace

bool LineReader::StopNow() {
    if (!stop_ || !*stop_) return false;
    interrupted_ = eof_ = true;
    pos_ = end_ = 0;
    return true;
}

bool LineReader::Fill() {
    if (eof_) return false;
    if (beforeWait_) beforeWait_(context_);
    size_t fromConsole = 0;
    if (ReadConsoleText(fd_, buffer_, sizeof buffer_, fromConsole)) {
        pos_ = 0;
        end_ = fromConsole;
        eof_ = fromConsole == 0;
        return end_ > 0;
    }
    for (;;) {
        if (StopNow()) return false;
        const auto got = ZBL_READ(fd_, buffer_, static_cast<unsigned>(sizeof buffer_));
        if (got < 0 && errno == EINTR) continue;
        pos_ = 0;
        end_ = got > 0 ? static_cast<size_t>(got) : 0;
        if (got <= 0) {
            eof_ = true;
            failed_ = got < 0;
        }
        return end_ > 0;
    }
}

bool LineReader::Next(std::string& line, size_t keep, size_t& length) {
    line.clear();
    length = 0;
    bool any = false;
    char lastByte = 0;
    for (;;) {
        if (pos_ == end_ && !Fill()) break;
        any = true;
        const char* start = buffer_ + pos_;
        const void* lf = std::memchr(start, '\n', end_ - pos_);
        const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : end_ - pos_;
        if (line.size() < keep) line.append(start, std::min(take, keep - line.size()));
        if (take > 0) lastByte = start[take - 1];
        length += take;
        pos_ += take;
        if (lf) {
            ++pos_;  // the LF itself
            break;
        }
    }
    if (interrupted_) {
        line.clear();
        length = 0;
    }
    if (!any || interrupted_) return false;
    // One CR directly before the LF (or the end of input) belongs to the line
    // end, not to the line.
    if (length > 0 && lastByte == '\r') {
        if (line.size() == length) line.pop_back();
        --length;
    }
    return true;
}

void OutputBuffer::Put(const char* bytes, size_t length) {
    if (failed_) return;
    if (length > sizeof buffer_ - used_) {
        if (!Flush()) return;
        if (length >= sizeof buffer_) {
            WriteAll(bytes, length);
            return;
        }
    }
    std::memcpy(buffer_ + used_, bytes, length);
    used_ += length;
}

void OutputBuffer::Put(const char* text) { Put(text, std::strlen(text)); }

void OutputBuffer::PutText(const char* text) {
    PutWindows1252AsUtf8(text, std::strlen(text), [this](const char* bytes, size_t n) { Put(bytes, n); });
}

bool OutputBuffer::Flush() {
    if (used_ > 0 && !failed_) WriteAll(buffer_, used_);
    used_ = 0;
    return !failed_;
}

bool OutputBuffer::WriteAll(const char* bytes, size_t length) {
    bool consoleOk = true;
    if (WriteConsoleText(fd_, bytes, length, consoleOk)) {
        failed_ = !consoleOk;
        return consoleOk;
    }
    while (length > 0 && !failed_) {
        const unsigned chunk = static_cast<unsigned>(std::min<size_t>(length, kMaxChunk));
        const auto wrote = ZBL_WRITE(fd_, bytes, chunk);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            failed_ = true;
            break;
        }
        bytes += wrote;
        length -= static_cast<size_t>(wrote);
    }
    return !failed_;
}

void Warn(const std::string& message) { std::fprintf(stderr, "zentrabel-cli: %s\n", message.c_str()); }

int FinishOutput(bool written, bool readFailed) {
    if (!written) Warn("cannot write to standard output; the session ended");
    if (readFailed) Warn("cannot read standard input; the session ended");
    return written && !readFailed ? 0 : 1;
}
