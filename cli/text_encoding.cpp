#include "text_encoding.h"

#include <algorithm>
#include <iterator>

namespace {

// Bytes 0x80-0x9F of Windows-1252 as Unicode. The five bytes the code page
// leaves undefined read as the C1 controls of the same number, as
// MultiByteToWideChar reads them, so that every byte survives a round trip.
constexpr char16_t kCharactersAt80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// What WideCharToMultiByte(1252, 0, ...) gives the characters code page 1252
// does not hold: the WCTABLE rows of Microsoft's bestfit1252.txt (Unicode,
// Public/MAPPINGS/VENDORS/MICSFT/WindowsBestFit) whose target is not the
// character's own byte. The fullwidth forms U+FF01-U+FF5E are left out here:
// that file maps each to the ASCII character 0xFEE0 below it, and
// FromFullwidth does that. Characters in neither get the default '?' from
// Windows; here they get refused.
// The rows stay packed, six to a line.
// clang-format off
constexpr BestFitRow kBestFit[] = {
    // Latin letters with marks the code page lacks: the base letter.
    {0x0100, 'A'}, {0x0101, 'a'}, {0x0102, 'A'}, {0x0103, 'a'}, {0x0104, 'A'}, {0x0105, 'a'},
    {0x0106, 'C'}, {0x0107, 'c'}, {0x0108, 'C'}, {0x0109, 'c'}, {0x010A, 'C'}, {0x010B, 'c'},
    {0x010C, 'C'}, {0x010D, 'c'}, {0x010E, 'D'}, {0x010F, 'd'}, {0x0110, 0xD0}, {0x0111, 'd'},
    {0x0112, 'E'}, {0x0113, 'e'}, {0x0114, 'E'}, {0x0115, 'e'}, {0x0116, 'E'}, {0x0117, 'e'},
    {0x0118, 'E'}, {0x0119, 'e'}, {0x011A, 'E'}, {0x011B, 'e'}, {0x011C, 'G'}, {0x011D, 'g'},
    {0x011E, 'G'}, {0x011F, 'g'}, {0x0120, 'G'}, {0x0121, 'g'}, {0x0122, 'G'}, {0x0123, 'g'},
    {0x0124, 'H'}, {0x0125, 'h'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0128, 'I'}, {0x0129, 'i'},
    {0x012A, 'I'}, {0x012B, 'i'}, {0x012C, 'I'}, {0x012D, 'i'}, {0x012E, 'I'}, {0x012F, 'i'},
    {0x0130, 'I'}, {0x0131, 'i'}, {0x0134, 'J'}, {0x0135, 'j'}, {0x0136, 'K'}, {0x0137, 'k'},
    {0x0139, 'L'}, {0x013A, 'l'}, {0x013B, 'L'}, {0x013C, 'l'}, {0x013D, 'L'}, {0x013E, 'l'},
    {0x0141, 'L'}, {0x0142, 'l'}, {0x0143, 'N'}, {0x0144, 'n'}, {0x0145, 'N'}, {0x0146, 'n'},
    {0x0147, 'N'}, {0x0148, 'n'}, {0x014C, 'O'}, {0x014D, 'o'}, {0x014E, 'O'}, {0x014F, 'o'},
    {0x0150, 'O'}, {0x0151, 'o'}, {0x0154, 'R'}, {0x0155, 'r'}, {0x0156, 'R'}, {0x0157, 'r'},
    {0x0158, 'R'}, {0x0159, 'r'}, {0x015A, 'S'}, {0x015B, 's'}, {0x015C, 'S'}, {0x015D, 's'},
    {0x015E, 'S'}, {0x015F, 's'}, {0x0162, 'T'}, {0x0163, 't'}, {0x0164, 'T'}, {0x0165, 't'},
    {0x0166, 'T'}, {0x0167, 't'}, {0x0168, 'U'}, {0x0169, 'u'}, {0x016A, 'U'}, {0x016B, 'u'},
    {0x016C, 'U'}, {0x016D, 'u'}, {0x016E, 'U'}, {0x016F, 'u'}, {0x0170, 'U'}, {0x0171, 'u'},
    {0x0172, 'U'}, {0x0173, 'u'}, {0x0174, 'W'}, {0x0175, 'w'}, {0x0176, 'Y'}, {0x0177, 'y'},
    {0x0179, 'Z'}, {0x017A, 'z'}, {0x017B, 'Z'}, {0x017C, 'z'}, {0x0180, 'b'}, {0x0189, 0xD0},
    {0x0191, 0x83}, {0x0197, 'I'}, {0x019A, 'l'}, {0x019F, 'O'}, {0x01A0, 'O'}, {0x01A1, 'o'},
    {0x01AB, 't'}, {0x01AE, 'T'}, {0x01AF, 'U'}, {0x01B0, 'u'}, {0x01B6, 'z'}, {0x01C0, '|'},
    {0x01C3, '!'}, {0x01CD, 'A'}, {0x01CE, 'a'}, {0x01CF, 'I'}, {0x01D0, 'i'}, {0x01D1, 'O'},
    {0x01D2, 'o'}, {0x01D3, 'U'}, {0x01D4, 'u'}, {0x01D5, 'U'}, {0x01D6, 'u'}, {0x01D7, 'U'},
    {0x01D8, 'u'}, {0x01D9, 'U'}, {0x01DA, 'u'}, {0x01DB, 'U'}, {0x01DC, 'u'}, {0x01DE, 'A'},
    {0x01DF, 'a'}, {0x01E4, 'G'}, {0x01E5, 'g'}, {0x01E6, 'G'}, {0x01E7, 'g'}, {0x01E8, 'K'},
    {0x01E9, 'k'}, {0x01EA, 'O'}, {0x01EB, 'o'}, {0x01EC, 'O'}, {0x01ED, 'o'}, {0x01F0, 'j'},
    {0x0261, 'g'},
    // Modifier letters and combining marks: the spacing mark they look like.
    {0x02B9, '\''}, {0x02BA, '"'}, {0x02BC, '\''}, {0x02C4, '^'}, {0x02C8, '\''}, {0x02C9, 0xAF},
    {0x02CA, 0xB4}, {0x02CB, '`'}, {0x02CD, '_'}, {0x02DA, 0xB0}, {0x0300, '`'}, {0x0301, 0xB4},
    {0x0302, '^'}, {0x0303, '~'}, {0x0304, 0xAF}, {0x0305, 0xAF}, {0x0308, 0xA8}, {0x030A, 0xB0},
    {0x030E, '"'}, {0x0327, 0xB8}, {0x0331, '_'}, {0x0332, '_'},
    // A few Greek, Cyrillic, Armenian and Arabic characters.
    {0x037E, ';'}, {0x0393, 'G'}, {0x0398, 'T'}, {0x03A3, 'S'}, {0x03A6, 'F'}, {0x03A9, 'O'},
    {0x03B1, 'a'}, {0x03B2, 0xDF}, {0x03B4, 'd'}, {0x03B5, 'e'}, {0x03BC, 0xB5}, {0x03C0, 'p'},
    {0x03C3, 's'}, {0x03C4, 't'}, {0x03C6, 'f'}, {0x04BB, 'h'}, {0x0589, ':'}, {0x066A, '%'},
    // Punctuation: spaces, hyphens, primes, the one dot leader.
    {0x2000, ' '}, {0x2001, ' '}, {0x2002, ' '}, {0x2003, ' '}, {0x2004, ' '}, {0x2005, ' '},
    {0x2006, ' '}, {0x2010, '-'}, {0x2011, '-'}, {0x2017, '='}, {0x2024, 0xB7}, {0x2032, '\''},
    {0x2035, '`'}, {0x2044, '/'},
    // Superscripts and subscripts. Superscript zero becomes the degree sign,
    // and superscript nine has no row: Windows gives it '?'.
    {0x2070, 0xB0}, {0x2074, '4'}, {0x2075, '5'}, {0x2076, '6'}, {0x2077, '7'}, {0x2078, '8'},
    {0x207F, 'n'}, {0x2080, '0'}, {0x2081, '1'}, {0x2082, '2'}, {0x2083, '3'}, {0x2084, '4'},
    {0x2085, '5'}, {0x2086, '6'}, {0x2087, '7'}, {0x2088, '8'}, {0x2089, '9'},
    // Currency and letterlike symbols.
    {0x20A1, 0xA2}, {0x20A4, 0xA3}, {0x20A7, 'P'}, {0x2102, 'C'}, {0x2107, 'E'}, {0x210A, 'g'},
    {0x210B, 'H'}, {0x210C, 'H'}, {0x210D, 'H'}, {0x210E, 'h'}, {0x2110, 'I'}, {0x2111, 'I'},
    {0x2112, 'L'}, {0x2113, 'l'}, {0x2115, 'N'}, {0x2118, 'P'}, {0x2119, 'P'}, {0x211A, 'Q'},
    {0x211B, 'R'}, {0x211C, 'R'}, {0x211D, 'R'}, {0x2124, 'Z'}, {0x2128, 'Z'}, {0x212A, 'K'},
    {0x212B, 0xC5}, {0x212C, 'B'}, {0x212D, 'C'}, {0x212E, 'e'}, {0x212F, 'e'}, {0x2130, 'E'},
    {0x2131, 'F'}, {0x2133, 'M'}, {0x2134, 'o'},
    // Mathematical operators. Some are far from what they stand for (infinity
    // is '8', less-than-or-equal is '='); this is what the window gets too.
    {0x2205, 0xD8}, {0x2212, '-'}, {0x2213, 0xB1}, {0x2215, '/'}, {0x2216, '\\'}, {0x2217, '*'},
    {0x2218, 0xB0}, {0x2219, 0xB7}, {0x221A, 'v'}, {0x221E, '8'}, {0x2223, '|'}, {0x2229, 'n'},
    {0x2236, ':'}, {0x223C, '~'}, {0x2248, 0x98}, {0x2261, '='}, {0x2264, '='}, {0x2265, '='},
    {0x226A, 0xAB}, {0x226B, 0xBB}, {0x22C5, 0xB7},
    // Technical symbols.
    {0x2302, 0xA6}, {0x2303, '^'}, {0x2310, 0xAC}, {0x2320, '('}, {0x2321, ')'}, {0x2329, '<'},
    {0x232A, '>'},
    // Box drawing and blocks.
    {0x2500, '-'}, {0x2502, 0xA6}, {0x250C, '+'}, {0x2510, '+'}, {0x2514, '+'}, {0x2518, '+'},
    {0x251C, '+'}, {0x2524, 0xA6}, {0x252C, '-'}, {0x2534, '-'}, {0x253C, '+'}, {0x2550, '-'},
    {0x2551, 0xA6}, {0x2552, '+'}, {0x2553, '+'}, {0x2554, '+'}, {0x2555, '+'}, {0x2556, '+'},
    {0x2557, '+'}, {0x2558, '+'}, {0x2559, '+'}, {0x255A, '+'}, {0x255B, '+'}, {0x255C, '+'},
    {0x255D, '+'}, {0x255E, 0xA6}, {0x255F, 0xA6}, {0x2560, 0xA6}, {0x2561, 0xA6}, {0x2562, 0xA6},
    {0x2563, 0xA6}, {0x2564, '-'}, {0x2565, '-'}, {0x2566, '-'}, {0x2567, '-'}, {0x2568, '-'},
    {0x2569, '-'}, {0x256A, '+'}, {0x256B, '+'}, {0x256C, '+'}, {0x2580, 0xAF}, {0x2584, '_'},
    {0x2588, 0xA6}, {0x258C, 0xA6}, {0x2590, 0xA6}, {0x2591, 0xA6}, {0x2592, 0xA6}, {0x2593, 0xA6},
    {0x25A0, 0xA6}, {0x263C, 0xA4}, {0x2758, '|'},
    // CJK spaces, brackets and the katakana middle dot.
    {0x3000, ' '}, {0x3008, '<'}, {0x3009, '>'}, {0x300A, 0xAB}, {0x300B, 0xBB}, {0x301A, '['},
    {0x301B, ']'}, {0x30FB, 0xB7},
};
// clang-format on

constexpr char32_t kFullwidthFirst = 0xFF01;  // fullwidth '!'
constexpr char32_t kFullwidthLast = 0xFF5E;   // fullwidth '~'
constexpr char32_t kFullwidthOffset = 0xFEE0;

constexpr bool IsExactCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    for (char16_t high : kCharactersAt80)
        if (high == c) return true;
    return false;
}

// The rows hold only characters without an exact form, in order, each once,
// and give a printable character: never a C0 or C1 control or NUL.
constexpr bool BestFitRowsAreSound() {
    for (size_t i = 0; i < std::size(kBestFit); ++i) {
        const BestFitRow& row = kBestFit[i];
        if (IsExactCodePoint(row.codePoint)) return false;
        if (i > 0 && kBestFit[i - 1].codePoint >= row.codePoint) return false;
        if (row.byte < 0x20 || row.byte == 0x7F) return false;
        if (row.byte >= 0x80 && row.byte < 0xA0 && kCharactersAt80[row.byte - 0x80] < 0xA0) return false;
        if (row.codePoint >= kFullwidthFirst && row.codePoint <= kFullwidthLast) return false;
    }
    return true;
}
static_assert(BestFitRowsAreSound());

// Ranges of code points, first and last included.
struct CodeRange {
    char32_t first;
    char32_t last;
};

// Shown in no column of their own: combining marks, zero-width characters
// and variation selectors.
constexpr CodeRange kZeroWidth[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x2064},
    {0x20D0, 0x20FF}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xE0100, 0xE01EF},
};

// Shown in two columns by terminals: East Asian wide and fullwidth forms.
constexpr CodeRange kDoubleWidth[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Not shown between quotes in a refusal: controls, spaces, format
// characters, combining marks, surrogates, private use and the tags.
constexpr CodeRange kNotShown[] = {
    {0x0000, 0x0020}, {0x007F, 0x00A0},   {0x00AD, 0x00AD},    {0x0300, 0x036F}, {0x1680, 0x1680}, {0x180E, 0x180E},
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},   {0x2000, 0x200F},    {0x2028, 0x202F}, {0x205F, 0x206F}, {0x20D0, 0x20FF},
    {0x3000, 0x3000}, {0xD800, 0xF8FF},   {0xFDD0, 0xFDEF},    {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF},
    {0xFFF0, 0xFFFB}, {0xE0000, 0xE0FFF}, {0xF0000, 0x10FFFF},
};

template <size_t N>
constexpr bool RangesAreSound(const CodeRange (&ranges)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (ranges[i].first > ranges[i].last || ranges[i].last > 0x10FFFF) return false;
        if (i > 0 && ranges[i - 1].last >= ranges[i].first) return false;
    }
    return true;
}
static_assert(RangesAreSound(kZeroWidth));
static_assert(RangesAreSound(kDoubleWidth));
static_assert(RangesAreSound(kNotShown));

template <size_t N>
bool InRanges(const CodeRange (&ranges)[N], char32_t c) {
    const CodeRange* end = ranges + N;
    const CodeRange* range =
        std::lower_bound(ranges, end, c, [](const CodeRange& r, char32_t value) { return r.last < value; });
    return range != end && range->first <= c;
}

// The length of the valid UTF-8 sequence at the start of `p` (at most `n`
// bytes), with its code point in `c`; 0 when it is not one.
size_t DecodeUtf8(const unsigned char* p, size_t n, char32_t& c) {
    const unsigned char lead = p[0];
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    size_t need;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 2;
        least = 0x80;
        c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 3;
        least = 0x800;
        c = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 4;
        least = 0x10000;
        c = lead & 0x07u;
    } else {
        return 0;  // a continuation byte, C0/C1 (always overlong) or F5-FF
    }
    if (n < need) return 0;
    for (size_t k = 1; k < need; ++k) {
        if ((p[k] & 0xC0u) != 0x80u) return 0;
        c = (c << 6) | (p[k] & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return need;
}

// The length of the sequence at `p`, counting a byte that begins none as one.
size_t StepUtf8(const unsigned char* p, size_t n, char32_t& c) {
    const size_t step = DecodeUtf8(p, n, c);
    if (step != 0) return step;
    c = 0xFFFD;
    return 1;
}

// Writes `c` as UTF-8 at `out` (room for four bytes); returns the count.
size_t EncodeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

}  // namespace

std::span<const BestFitRow> Windows1252BestFitRows() { return kBestFit; }

int Windows1252FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    if (codePoint >= kFullwidthFirst && codePoint <= kFullwidthLast)
        return static_cast<int>(codePoint - kFullwidthOffset);
    for (size_t i = 0; i < std::size(kCharactersAt80); ++i)
        if (kCharactersAt80[i] == codePoint) return static_cast<int>(0x80 + i);
    if (codePoint > 0xFFFF) return -1;
    const BestFitRow* end = std::end(kBestFit);
    const BestFitRow* row = std::lower_bound(std::begin(kBestFit), end, codePoint,
                                             [](const BestFitRow& r, char32_t value) { return r.codePoint < value; });
    return row != end && row->codePoint == codePoint ? row->byte : -1;
}

char32_t CodePointFromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCharactersAt80[byte - 0x80] : byte;
}

Utf8Conversion Utf8ToWindows1252(const char* in, size_t length, char* out, size_t capacity) {
    Utf8Conversion result;
    const auto* bytes = reinterpret_cast<const unsigned char*>(in);

    // The whole line first: a line that is no UTF-8 is taken byte for byte,
    // whatever stands before its first bad byte.
    for (size_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const size_t step = DecodeUtf8(bytes + i, length - i, c);
        if (step == 0) {
            result.outcome = Utf8Outcome::kNotUtf8;
            result.byteOffset = i;
            return result;
        }
        i += step;
    }

    size_t written = 0;
    size_t index = 0;
    for (size_t i = 0; i < length; ++index) {
        char32_t c = 0;
        const size_t step = DecodeUtf8(bytes + i, length - i, c);
        const int byte = Windows1252FromCodePoint(c);
        if (byte < 0) {
            result.outcome = Utf8Outcome::kNoForm;
            result.codePoint = c;
            result.characterIndex = index;
            result.byteOffset = i;
            break;
        }
        if (written == capacity) {
            result.outcome = Utf8Outcome::kTooLong;
            break;
        }
        out[written++] = static_cast<char>(byte);
        i += step;
    }
    result.length = written;
    return result;
}

Utf8Written Windows1252ToUtf8(const char* in, size_t length, char* out, size_t capacity) {
    Utf8Written result;
    size_t written = 0;
    for (size_t i = 0; i < length; ++i) {
        char encoded[4];
        const size_t n = EncodeUtf8(CodePointFromWindows1252(static_cast<unsigned char>(in[i])), encoded);
        if (n > capacity - written) {
            result.length = written;
            return result;
        }
        for (size_t k = 0; k < n; ++k) out[written++] = encoded[k];
    }
    result.length = written;
    result.complete = true;
    return result;
}

size_t CountUtf8Characters(const char* utf8, size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    size_t count = 0;
    char32_t c = 0;
    for (size_t i = 0; i < length; ++count) i += StepUtf8(bytes + i, length - i, c);
    return count;
}

size_t FindUtf8Character(const char* utf8, size_t length, size_t index) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    size_t i = 0;
    char32_t c = 0;
    for (size_t k = 0; k < index && i < length; ++k) i += StepUtf8(bytes + i, length - i, c);
    return i;
}

size_t Utf8DisplayColumn(const char* utf8, size_t length, size_t position) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    size_t column = 0;
    size_t i = 0;
    for (size_t k = 0; k < position && i < length; ++k) {
        char32_t c = 0;
        i += StepUtf8(bytes + i, length - i, c);
        if (c >= 0x300 && InRanges(kZeroWidth, c)) continue;
        column += c >= 0x1100 && InRanges(kDoubleWidth, c) ? 2 : 1;
    }
    return column;
}

size_t FormatNoFormMessage(char32_t codePoint, char* out, size_t capacity) {
    if (capacity == 0) return 0;
    // Built whole in a local block (the longest is 48 bytes), then copied.
    char text[64];
    size_t n = 0;
    auto put = [&](const char* s) {
        while (*s) text[n++] = *s++;
    };
    put("Character U+");
    constexpr char kHex[] = "0123456789ABCDEF";
    int digits = 4;
    while (digits < 8 && (codePoint >> (4 * digits)) != 0) ++digits;
    for (int d = digits - 1; d >= 0; --d) text[n++] = kHex[(codePoint >> (4 * d)) & 0xF];
    if (codePoint <= 0x10FFFF && !InRanges(kNotShown, codePoint) && (codePoint & 0xFFFE) != 0xFFFE) {
        put(" (");
        n += EncodeUtf8(codePoint, text + n);
        put(")");
    }
    put(" cannot be calculated");

    // Cut short at a character's start, never inside one.
    size_t take = n < capacity - 1 ? n : capacity - 1;
    while (take > 0 && take < n && (static_cast<unsigned char>(text[take]) & 0xC0) == 0x80) --take;
    std::copy(text, text + take, out);
    out[take] = 0;
    return take;
}
