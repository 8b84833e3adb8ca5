// Bounded 8-bit texts.
//
// Every engine text lives in a fixed-capacity char array. "Capacity" always
// counts the characters a buffer may hold, not counting its terminating NUL,
// so a buffer of capacity N is N + 1 chars long. Nothing here writes past a
// capacity: a write that would not fit is refused and reported, and the
// caller turns that into status 1001.
#pragma once

#include <cstddef>
#include <cstring>

// Length of a NUL-terminated text, reading at most `limit` characters.
inline size_t TextLength(const char* text, size_t limit) { return strnlen(text, limit); }

// Copies `src` into `dst` when it fits `capacity`; otherwise leaves `dst` as it was.
inline bool CopyText(char* dst, size_t capacity, const char* src) {
    size_t n = TextLength(src, capacity + 1);
    if (n > capacity) return false;
    std::memmove(dst, src, n);
    dst[n] = 0;
    return true;
}

template <size_t N>
inline bool CopyText(char (&dst)[N], const char* src) {
    return CopyText(dst, N - 1, src);
}

// Appends `src` to `dst` when the whole joined text fits `capacity`; otherwise
// leaves `dst` as it was.
inline bool AppendText(char* dst, size_t capacity, const char* src) {
    size_t have = TextLength(dst, capacity + 1);
    if (have > capacity) return false;
    size_t add = std::strlen(src);
    if (add > capacity - have) return false;
    std::memcpy(dst + have, src, add + 1);
    return true;
}

template <size_t N>
inline bool AppendText(char (&dst)[N], const char* src) {
    return AppendText(dst, N - 1, src);
}

// Builds a text left to right in a caller's buffer of `capacity` characters.
// Once a write does not fit, the writer is marked overflowed and every later
// write is ignored; the text stays NUL-terminated at all times.
class TextWriter {
public:
    TextWriter(char* buffer, size_t capacity) : buf_(buffer), cap_(capacity) { buf_[0] = 0; }

    bool Put(char c) {
        if (overflow_ || len_ >= cap_) return Overflow();
        buf_[len_++] = c;
        buf_[len_] = 0;
        return true;
    }
    bool Put(const char* s, size_t n) {
        if (overflow_ || n > cap_ - len_) return Overflow();
        std::memcpy(buf_ + len_, s, n);
        len_ += n;
        buf_[len_] = 0;
        return true;
    }
    bool Put(const char* s) { return Put(s, std::strlen(s)); }

    // Removes the last character written, if any.
    void Unput() {
        if (len_ > 0) buf_[--len_] = 0;
    }
    char Last() const { return len_ ? buf_[len_ - 1] : 0; }
    char First() const { return len_ ? buf_[0] : 0; }
    size_t Length() const { return len_; }
    bool Overflowed() const { return overflow_; }
    const char* Text() const { return buf_; }
    char* Data() { return buf_; }

    // Drops the first and the last character.
    void StripEnds() {
        if (len_ < 2) {
            len_ = 0;
        } else {
            std::memmove(buf_, buf_ + 1, len_ - 2);
            len_ -= 2;
        }
        buf_[len_] = 0;
    }

private:
    bool Overflow() {
        overflow_ = true;
        return false;
    }

    char* buf_;
    size_t cap_;
    size_t len_ = 0;
    bool overflow_ = false;
};

// C-locale character classes; never depend on the process locale or on the
// signedness of char.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsLetter(char c) { return IsUpper(c) || IsLower(c); }
inline char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
inline char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
