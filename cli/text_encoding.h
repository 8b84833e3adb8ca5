// Between the console's UTF-8 and the engine's 8-bit text (Windows-1252).
//
// The console reads and writes UTF-8; the engine, like the window, works on
// Windows-1252. A line read is converted code point by code point: ASCII and
// the characters Windows-1252 holds become their byte, and a character it
// does not hold becomes the byte Windows gives it when Unicode text is pasted
// into the window (its best-fit mapping for code page 1252: H₂O is H2O, the
// minus sign U+2212 is '-', the dot operator U+22C5 is the middle dot 0xB7).
// So one pasted line gives one answer in both front ends. Where the window
// would fall back to '?', the conversion stops and names the character, and
// the console refuses the task instead of calculating something else.
//
// Every code point becomes exactly one byte, so a position in the converted
// text is the index of a code point in the UTF-8 line.
//
// None of these functions allocates or writes past the capacity it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// What became of a UTF-8 line.
enum class Utf8Outcome {
    kConverted,  // the whole line, `length` bytes of Windows-1252 text
    kNotUtf8,    // not valid UTF-8: take the line byte for byte as it is
    kNoForm,     // `codePoint` has no exact and no best-fit form in Windows-1252
    kTooLong,    // the converted text needs more than `capacity` bytes
};

struct Utf8Conversion {
    Utf8Outcome outcome = Utf8Outcome::kConverted;
    // Bytes written to the output. Complete only for kConverted; after a
    // failure it is what was written before it (never more than capacity).
    size_t length = 0;
    // kNoForm: the character and where it is, as a code point index from 0
    // (its position in the converted text; Utf8DisplayColumn gives the
    // column it is shown in) and as a byte offset in the UTF-8 line.
    // kNotUtf8: the byte offset of the first byte that is no valid UTF-8.
    char32_t codePoint = 0;
    size_t characterIndex = 0;
    size_t byteOffset = 0;
};

// Converts `length` bytes of UTF-8 to Windows-1252 in `out` (no terminator
// written; a U+0000 in the line becomes a NUL byte). The line is checked as
// a whole first: overlong forms, surrogates, code points above U+10FFFF,
// stray continuation bytes and cut-off sequences make it kNotUtf8, and then
// nothing is converted. A valid line is converted until its end, its first
// character without a form (kNoForm) or the first byte that does not fit
// (kTooLong), whichever comes first. The text is never longer than the
// UTF-8 line, so a capacity of `length` always suffices.
Utf8Conversion Utf8ToWindows1252(const char* in, size_t length, char* out, size_t capacity);

// The Windows-1252 byte for one code point: its exact form, else its
// best-fit form; -1 when it has neither.
int Windows1252FromCodePoint(char32_t codePoint);

// The code point of a Windows-1252 byte as Windows reads it: the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the
// C1 control characters U+0081 and so on.
char32_t CodePointFromWindows1252(unsigned char byte);

// The most UTF-8 bytes one Windows-1252 byte turns into (0x80, the euro sign
// U+20AC, takes three).
inline constexpr size_t kMaxUtf8PerWindows1252 = 3;

struct Utf8Written {
    size_t length = 0;      // bytes written to the output
    bool complete = false;  // false when the output was full before the end
};

// Converts `length` bytes of Windows-1252 to UTF-8 in `out`, whole
// characters only; stops when the next character does not fit. A capacity
// of kMaxUtf8PerWindows1252 * length always suffices. No terminator.
Utf8Written Windows1252ToUtf8(const char* in, size_t length, char* out, size_t capacity);

// Puts Windows-1252 text as UTF-8 into `sink`, called as sink(bytes, count)
// one or more times (for example an OutputBuffer's Put). Runs of ASCII go
// through as they are; the rest is converted through a small local block.
template <class Sink>
void PutWindows1252AsUtf8(const char* in, size_t length, Sink&& sink) {
    constexpr size_t kBlock = 256;
    size_t i = 0;
    while (i < length) {
        size_t ascii = i;
        while (ascii < length && static_cast<unsigned char>(in[ascii]) < 0x80) ++ascii;
        if (ascii > i) sink(in + i, ascii - i);
        i = ascii;
        if (i == length) break;
        char block[kBlock];
        const size_t take = length - i < kBlock / kMaxUtf8PerWindows1252 ? length - i : kBlock / kMaxUtf8PerWindows1252;
        const Utf8Written written = Windows1252ToUtf8(in + i, take, block, sizeof block);
        sink(static_cast<const char*>(block), written.length);
        i += take;
    }
}

// One best-fit row: a code point Windows-1252 does not hold and the byte
// Windows gives it. The rows are sorted by code point, for the tests.
struct BestFitRow {
    uint16_t codePoint;
    uint8_t byte;
};
std::span<const BestFitRow> Windows1252BestFitRows();

// The number of code points in the first `length` bytes of UTF-8; a byte
// that begins no valid sequence counts as one character.
size_t CountUtf8Characters(const char* utf8, size_t length);

// The byte offset in `utf8` where the character at `index` (a code point
// index, or a position in the converted text) begins; `length` when the line
// has no more characters.
size_t FindUtf8Character(const char* utf8, size_t length, size_t index);

// The terminal column (from 0) where the character at `position` of the
// converted text is shown when the UTF-8 line is shown from column 0:
// the widths of the code points before it, one each except combining and
// zero-width marks (none) and East Asian wide and fullwidth forms (two), so
// that a caret lands under the character that was meant.
size_t Utf8DisplayColumn(const char* utf8, size_t length, size_t position);

// The refusal of a character without a form, "Character U+2603 (☃) cannot be
// calculated": the code in at least four hex digits, and the character
// itself in UTF-8 when it is visible on its own (not a control, a space, a
// format character, a combining mark, private use or a noncharacter).
// Terminated; cut short at a character's start to fit `capacity` (counting
// the terminator) when needed. Returns the text's length.
size_t FormatNoFormMessage(char32_t codePoint, char* out, size_t capacity);
