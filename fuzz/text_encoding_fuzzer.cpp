// The console's text conversion on arbitrary bytes.
//
// Input: the first byte chooses a small output capacity (its value modulo
// the line's length + 1); the rest is one line as the console could read it.
//
// Checked, with every output buffer sized exactly so that a write past it is
// caught, and no heap allocation while converting:
// - a line is reported as no UTF-8 exactly when a plain check of the
//   well-formed byte sequences says so, at the same byte, and nothing is then
//   converted;
// - a converted line has one byte per code point; that text written back as
//   UTF-8 converts to the same bytes again; a refused character has no form,
//   stands where reported, and everything before it converts alone;
// - the run with the small capacity writes a prefix of the full run's text
//   and reports the line too long exactly when it has more characters;
// - any bytes taken as Windows-1252 and written as UTF-8 (whole or in
//   pieces) give valid UTF-8 that converts back to the very same bytes;
// - positions and columns stay inside the line, and the refusal text is
//   terminated valid UTF-8 within its capacity.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "text_encoding.h"

namespace {

using fuzz::AllocationWatch;
using fuzz::Broken;

// The length of the well-formed UTF-8 sequence at `p`, by the table of
// well-formed byte sequences of the Unicode standard; 0 when it is none.
size_t WellFormedLength(const uint8_t* p, size_t n) {
    auto in = [&](size_t k, uint8_t low, uint8_t high) { return k < n && p[k] >= low && p[k] <= high; };
    const uint8_t b = p[0];
    if (b <= 0x7F) return 1;
    if (b >= 0xC2 && b <= 0xDF) return in(1, 0x80, 0xBF) ? 2 : 0;
    if (b == 0xE0) return in(1, 0xA0, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b == 0xED) return in(1, 0x80, 0x9F) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b == 0xF0) return in(1, 0x90, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b >= 0xF1 && b <= 0xF3) return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b == 0xF4) return in(1, 0x80, 0x8F) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    return 0;
}

// Where the first ill-formed sequence starts, or `n`; `characters` counts
// the well-formed ones before it.
size_t FirstIllFormed(const uint8_t* p, size_t n, size_t& characters) {
    characters = 0;
    size_t i = 0;
    while (i < n) {
        const size_t step = WellFormedLength(p + i, n - i);
        if (step == 0) return i;
        i += step;
        ++characters;
    }
    return n;
}

// A buffer of exactly `size` bytes on the heap (one byte when empty), made
// before the allocation watch is armed.
std::unique_ptr<char[]> Exact(size_t size) { return std::unique_ptr<char[]>(new char[size ? size : 1]); }

Utf8Conversion ConvertWatched(const char* in, size_t length, char* out, size_t capacity) {
    AllocationWatch::Arm();
    const Utf8Conversion result = Utf8ToWindows1252(in, length, out, capacity);
    if (AllocationWatch::Disarm() != 0) Broken("Utf8ToWindows1252 allocated memory");
    return result;
}

Utf8Written WriteWatched(const char* in, size_t length, char* out, size_t capacity) {
    AllocationWatch::Arm();
    const Utf8Written result = Windows1252ToUtf8(in, length, out, capacity);
    if (AllocationWatch::Disarm() != 0) Broken("Windows1252ToUtf8 allocated memory");
    return result;
}

void CheckLine(const char* line, size_t length, size_t smallCapacity) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(line);
    size_t characters = 0;
    const size_t bad = FirstIllFormed(bytes, length, characters);

    auto full = Exact(length);  // never more bytes out than in
    const Utf8Conversion result = ConvertWatched(line, length, full.get(), length);
    if (bad < length) {
        if (result.outcome != Utf8Outcome::kNotUtf8) Broken("an ill-formed line was not reported");
        if (result.byteOffset != bad) Broken("the ill-formed byte reported in the wrong place");
        if (result.length != 0) Broken("an ill-formed line was converted");
        return;
    }
    if (result.outcome == Utf8Outcome::kNotUtf8) Broken("a well-formed line reported as no UTF-8");
    if (result.outcome == Utf8Outcome::kTooLong) Broken("a line did not fit as many bytes as it has");

    if (result.outcome == Utf8Outcome::kConverted) {
        if (result.length != characters) Broken("not one byte per code point");
        const size_t room = result.length * kMaxUtf8PerWindows1252;
        auto utf8 = Exact(room);
        const Utf8Written back = WriteWatched(full.get(), result.length, utf8.get(), room);
        if (!back.complete) Broken("the converted text did not fit three bytes a character");
        auto again = Exact(back.length);
        const Utf8Conversion second = ConvertWatched(utf8.get(), back.length, again.get(), back.length);
        if (second.outcome != Utf8Outcome::kConverted || second.length != result.length ||
            std::memcmp(again.get(), full.get(), result.length) != 0)
            Broken("the converted text written back did not convert to itself");
    } else {
        if (Windows1252FromCodePoint(result.codePoint) != -1) Broken("a refused character has a form");
        if (result.characterIndex >= characters || result.length != result.characterIndex)
            Broken("a refused character outside the line");
        const size_t at = FindUtf8Character(line, length, result.characterIndex);
        if (at != result.byteOffset) Broken("a refused character's index and offset disagree");
        auto before = Exact(at);
        const Utf8Conversion prefix = ConvertWatched(line, at, before.get(), at);
        if (prefix.outcome != Utf8Outcome::kConverted || prefix.length != result.length ||
            std::memcmp(before.get(), full.get(), prefix.length) != 0)
            Broken("the text before a refused character does not convert alone");
        char message[48];
        const size_t n = FormatNoFormMessage(result.codePoint, message, sizeof message);
        if (n >= sizeof message || message[n] != 0) Broken("the refusal text is not terminated");
        size_t unused = 0;
        if (FirstIllFormed(reinterpret_cast<const uint8_t*>(message), n, unused) != n)
            Broken("the refusal text is no UTF-8");
    }

    // The same line into a small buffer: the same text as far as it goes.
    auto small = Exact(smallCapacity);
    const Utf8Conversion cut = ConvertWatched(line, length, small.get(), smallCapacity);
    const size_t reach = result.outcome == Utf8Outcome::kConverted ? characters : result.characterIndex;
    if (cut.length > smallCapacity || std::memcmp(small.get(), full.get(), cut.length) != 0)
        Broken("the small run wrote something else");
    if ((cut.outcome == Utf8Outcome::kTooLong) != (reach > smallCapacity))
        Broken("too long reported where the text did (not) fit");
    if (cut.outcome != Utf8Outcome::kTooLong && cut.outcome != result.outcome)
        Broken("the small run ended otherwise than the full one");

    // Columns grow by at most two a character and stop at the end (the
    // first characters only: every call walks from the start).
    size_t column = 0;
    for (size_t k = 0; k <= characters && k <= 64; ++k) {
        const size_t next = Utf8DisplayColumn(line, length, k);
        if (next < column || next > column + 2) Broken("a column jumped");
        column = next;
    }
    const size_t end = Utf8DisplayColumn(line, length, characters);
    if (end < column || end > 2 * characters || Utf8DisplayColumn(line, length, characters + 5) != end)
        Broken("a column past the end moved");
}

// Any bytes as Windows-1252: UTF-8 that converts back to them, whole and in
// pieces alike.
void CheckBytes(const char* text, size_t length, size_t smallCapacity) {
    const size_t capacity = length * kMaxUtf8PerWindows1252;
    auto utf8 = Exact(capacity);
    const Utf8Written written = WriteWatched(text, length, utf8.get(), capacity);
    if (!written.complete) Broken("three bytes a character did not suffice");
    size_t characters = 0;
    if (FirstIllFormed(reinterpret_cast<const uint8_t*>(utf8.get()), written.length, characters) != written.length)
        Broken("written UTF-8 is ill-formed");
    if (characters != length || CountUtf8Characters(utf8.get(), written.length) != length)
        Broken("not one character a byte");

    auto back = Exact(length);
    const Utf8Conversion result = ConvertWatched(utf8.get(), written.length, back.get(), length);
    if (result.outcome != Utf8Outcome::kConverted || result.length != length ||
        std::memcmp(back.get(), text, length) != 0)
        Broken("bytes written as UTF-8 did not convert back to themselves");

    auto small = Exact(smallCapacity);
    const Utf8Written part = WriteWatched(text, length, small.get(), smallCapacity);
    if (part.length > smallCapacity || std::memcmp(small.get(), utf8.get(), part.length) != 0 ||
        part.complete != (written.length <= smallCapacity) || (!part.complete && part.length + 3 <= smallCapacity))
        Broken("the small run wrote something else or stopped early");

    size_t matched = 0;
    bool same = true;
    AllocationWatch::Arm();
    PutWindows1252AsUtf8(text, length, [&](const char* piece, size_t count) {
        same = same && matched + count <= written.length && std::memcmp(piece, utf8.get() + matched, count) == 0;
        matched += count;
    });
    if (AllocationWatch::Disarm() != 0) Broken("PutWindows1252AsUtf8 allocated memory");
    if (!same || matched != written.length) Broken("the pieces differ from the whole");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t length = size - 1;
    auto line = Exact(length);
    if (length) std::memcpy(line.get(), data + 1, length);
    CheckLine(line.get(), length, data[0] % (length + 1));
    CheckBytes(line.get(), length, data[0] % (length * 2 + 1));
    return 0;
}
