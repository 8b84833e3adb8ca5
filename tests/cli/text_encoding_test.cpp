#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using testing::PrintToString;

Utf8Conversion Convert(const std::string& utf8, std::string& text, size_t capacity = 600) {
    text.assign(capacity + 8, '#');
    const Utf8Conversion result = Utf8ToWindows1252(utf8.data(), utf8.size(), text.data(), capacity);
    EXPECT_EQ(text.substr(capacity), "########") << "written past the capacity";
    text.resize(result.length);
    return result;
}

std::string ToUtf8(const std::string& text) {
    std::string out(text.size() * kMaxUtf8PerWindows1252, '\0');
    const Utf8Written written = Windows1252ToUtf8(text.data(), text.size(), out.data(), out.size());
    EXPECT_TRUE(written.complete);
    out.resize(written.length);
    return out;
}

TEST(Utf8ToWindows1252, ConvertsWhatPeoplePaste) {
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"2×3 8÷2 2·3", "2\xd7" "3 8\xf7" "2 2\xb7" "3"},
        {"x²+x³+x¹", "x\xb2+x\xb3+x\xb9"},
        {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
         "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8e"
         "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9e\x9f"},
        {"CuSO4•5H2O", "CuSO4\x95" "5H2O"},
        {"\u00a0éÿ", "\xa0\xe9\xff"},
        {std::string("a\0\t\x7f", 4), std::string("a\0\t\x7f", 4)},
        {"\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d", "\x81\x8d\x8f\x90\x9d"},  // undefined bytes as C1 codes
        // Best fit, as Windows gives the window pasted text.
        {"H₂O C₆H₁₂O₆", "H2O C6H12O6"},
        {"x⁴⁵⁶⁷⁸", "x45678"},
        {"x⁰", "x\xb0"},  // superscript zero becomes the degree sign
        {"5−3 2⋅3 2∙3 2∗3", "5-3 2\xb7" "3 2\xb7" "3 2*3"},
        {"a‐b‑c", "a-b-c"},
        {"1\u2003+\u20022\u30003", "1 + 2 3"},
        {"Ｈ２Ｏ＋（１）！～", "H2O+(1)!~"},
        {"Āāł Łódź Ş", "Aal L\xf3" "dz S"},  // ó is in the code page
        {"μ β π \u212b \u212a", "\xb5 \xdf p \xc5 K"},  // Greek mu is the micro sign; angstrom, kelvin
        {"∞ ≤", "8 ="},
        {"e\u0301", "e\xb4"},  // no composition: a combining acute becomes the spacing one
    };
    // clang-format on
    for (const auto& [utf8, expected] : rows) {
        SCOPED_TRACE(utf8);
        std::string text;
        EXPECT_EQ(Convert(utf8, text).outcome, Utf8Outcome::kConverted);
        EXPECT_EQ(text, expected);
    }
}

TEST(Utf8ToWindows1252, ReportsLinesThatAreNoUtf8) {
    // clang-format off
    const std::pair<std::string, size_t> rows[] = {
        {"\xc0\xaf", 0},          {"1+\xe0\x80\xaf", 2},  {"\xf0\x80\x80\xaf", 0},  // overlong
        {"\x80", 0},              {"ab\xbf", 2},                                     // lone continuation
        {"\xed\xa0\x80", 0},      {"\xf4\x90\x80\x80", 0}, {"\xf5\x80\x80\x80", 0},  // surrogate, > U+10FFFF
        {"\xe2\x82", 0},          {"\xe2\x82x", 0},        {"H₂O\xf0\x9f\x98", 5},   // cut off
        {"2\xd7" "3", 1},         // Windows-1252 text from an older file
        {"☃\xff", 3},             // no UTF-8 at all wins over a character without a form
    };
    // clang-format on
    for (const auto& [bytes, offset] : rows) {
        SCOPED_TRACE(PrintToString(bytes));
        std::string text;
        const Utf8Conversion result = Convert(bytes, text);
        EXPECT_EQ(result.outcome, Utf8Outcome::kNotUtf8);
        EXPECT_EQ(result.byteOffset, offset);
        EXPECT_EQ(result.length, 0u);
    }
}

TEST(Utf8ToWindows1252, RefusesCharactersWithoutAForm) {
    // clang-format off
    struct Row {
        std::string utf8;
        char32_t codePoint;
        size_t index, offset;
    } const rows[] = {
        {"1+☃", 0x2603, 2, 2},
        {"é☃", 0x2603, 1, 2},
        {"H₂O+☃+☃", 0x2603, 4, 6},   // the first of them
        {"x⁹", 0x2079, 1, 1},         // Windows has no best fit for superscript nine
        {"\xc2\x80", 0x0080, 0, 0},   // a C1 code on whose byte the code page has €
        {"😀", 0x1F600, 0, 0},        // beyond the 16-bit range
        {"\xef\xbb\xbf" "1", 0xFEFF, 0, 0},
        {"\u2126", 0x2126, 0, 0},     // the ohm sign, unlike capital omega
        {"\uff5f \uff00", 0xFF5F, 0, 0},  // just past the fullwidth ASCII forms
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.utf8);
        std::string text;
        const Utf8Conversion result = Convert(row.utf8, text);
        EXPECT_EQ(result.outcome, Utf8Outcome::kNoForm);
        EXPECT_EQ(result.codePoint, row.codePoint);
        EXPECT_EQ(result.characterIndex, row.index);
        EXPECT_EQ(result.byteOffset, row.offset);
    }
    EXPECT_EQ(Windows1252FromCodePoint(0x03A9), 'O');
    EXPECT_EQ(Windows1252FromCodePoint(0xFF00), -1);
}

TEST(Utf8ToWindows1252, StopsAtItsCapacity) {
    struct Row {
        std::string utf8;
        size_t capacity;
        Utf8Outcome outcome;
        size_t length;
    } const rows[] = {
        {"", 0, Utf8Outcome::kConverted, 0},  {"a", 0, Utf8Outcome::kTooLong, 0},
        {"H₂O", 2, Utf8Outcome::kTooLong, 2}, {"H₂O", 3, Utf8Outcome::kConverted, 3},
        {"ab☃", 2, Utf8Outcome::kNoForm, 2},  {"abc☃", 2, Utf8Outcome::kTooLong, 2},  // first problem first
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.utf8 + " into " + std::to_string(row.capacity));
        std::string text;
        const Utf8Conversion result = Convert(row.utf8, text, row.capacity);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.length, row.length);
    }
}

TEST(Windows1252ToUtf8, GivesTheCodePageCharactersAndBack) {
    EXPECT_EQ(ToUtf8("CuSO4\x95"
                     "5H2O"),
              "CuSO4•5H2O");
    EXPECT_EQ(ToUtf8("\x80\x9f\xa0\xb5\xd7\xff"), "€Ÿ\u00a0µ×ÿ");
    EXPECT_EQ(ToUtf8("\x81\x8d\x8f\x90\x9d"), "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d");

    int undefined = 0, characters = 0;  // of 0x80-0x9F
    for (int b = 0x80; b < 0xA0; ++b) {
        const char32_t c = CodePointFromWindows1252(static_cast<unsigned char>(b));
        undefined += c == static_cast<char32_t>(b);
        characters += c > 0xFF;
    }
    EXPECT_EQ(undefined, 5);
    EXPECT_EQ(characters, 27);

    const std::pair<size_t, size_t> stops[] = {{0, 0}, {2, 0}, {3, 3}, {5, 3}, {6, 6}};
    for (const auto& [capacity, length] : stops) {
        char out[8] = "#######";
        const Utf8Written written = Windows1252ToUtf8("\x80\x80", 2, out, capacity);
        EXPECT_EQ(written.length, length) << capacity;
        EXPECT_EQ(written.complete, length == 6) << capacity;
        EXPECT_EQ(out[capacity], '#') << capacity;
    }
    for (int b = 0; b < 256; ++b) {  // every byte comes back unchanged
        const std::string byte(1, static_cast<char>(b));
        std::string back;
        EXPECT_EQ(Convert(ToUtf8(byte), back).outcome, Utf8Outcome::kConverted) << b;
        EXPECT_EQ(back, byte) << b;
        EXPECT_EQ(Windows1252FromCodePoint(CodePointFromWindows1252(static_cast<unsigned char>(b))), b);
    }
}

TEST(Windows1252ToUtf8, PutGivesTheSameInPieces) {
    std::string text;
    for (int step = 1; step < 8; ++step)
        for (int b = 1; b < 256; b += step) text += static_cast<char>(b);
    std::string put;
    int calls = 0;
    auto sink = [&](const char* bytes, size_t count) {
        put.append(bytes, count);
        ++calls;
    };
    PutWindows1252AsUtf8(text.data(), text.size(), sink);
    EXPECT_EQ(put, ToUtf8(text));
    calls = 0;
    PutWindows1252AsUtf8("1+1", 3, sink);
    EXPECT_EQ(calls, 1);  // ASCII in one piece
}

TEST(BestFitRows, AreSortedAndGiveOnePrintableByteForAForeignCharacter) {
    const auto rows = Windows1252BestFitRows();
    ASSERT_GT(rows.size(), 200u);
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].codePoint);
        if (i > 0) {
            EXPECT_LT(rows[i - 1].codePoint, rows[i].codePoint);
        }
        const char32_t target = CodePointFromWindows1252(rows[i].byte);
        EXPECT_NE(target, rows[i].codePoint);
        EXPECT_TRUE(target >= 0x20 && (target < 0x7F || target >= 0xA0));
        EXPECT_EQ(Windows1252FromCodePoint(rows[i].codePoint), rows[i].byte);
    }
}

#ifdef _WIN32
// Against the system's own WideCharToMultiByte with best fit, as the
// clipboard gives the window its text. The default character is made 0x01
// so that a fallback is told from a real '?'. The fullwidth question mark,
// whose best fit is '?', the system counts as a fallback; the window gets
// '?' either way.
TEST(BestFitRows, AgreeWithTheSystem) {
    int differences = 0;
    for (char32_t c = 2; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const wchar_t wide = static_cast<wchar_t>(c);
        char byte[4] = {};
        BOOL usedDefault = FALSE;
        const int n = WideCharToMultiByte(1252, 0, &wide, 1, byte, sizeof byte, "\x01", &usedDefault);
        int expected = n == 1 && !usedDefault ? static_cast<unsigned char>(byte[0]) : -1;
        if (c == 0xFF1F) expected = '?';
        if (Windows1252FromCodePoint(c) != expected && ++differences <= 20)
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c) << ": system " << expected;
    }
    EXPECT_EQ(differences, 0);
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t wide = 0;
        ASSERT_EQ(MultiByteToWideChar(1252, 0, &byte, 1, &wide, 1), 1);
        EXPECT_EQ(CodePointFromWindows1252(static_cast<unsigned char>(b)), static_cast<char32_t>(wide)) << b;
    }
}
#endif

TEST(Utf8Positions, CharactersAndColumns) {
    struct Row {
        std::string utf8;
        size_t characters, position, offset, column;
    } const rows[] = {
        {"", 0, 0, 0, 0},          {"H₂O+Xx", 6, 4, 6, 4},  // one column per character, whatever its bytes
        {"H₂O", 3, 9, 5, 3},                                // past the end: the end
        {"😀x", 2, 1, 4, 2},                                 // wide
        {"Ｈ２Ｏ", 3, 2, 6, 4},                             // fullwidth forms take two columns
        {"e\u0301+X", 4, 2, 3, 1},                          // a combining mark none
        {"\xe2\x82x", 3, 2, 2, 2},                          // bytes that begin no character count one each
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(PrintToString(row.utf8));
        EXPECT_EQ(CountUtf8Characters(row.utf8.data(), row.utf8.size()), row.characters);
        EXPECT_EQ(FindUtf8Character(row.utf8.data(), row.utf8.size(), row.position), row.offset);
        EXPECT_EQ(Utf8DisplayColumn(row.utf8.data(), row.utf8.size(), row.position), row.column);
    }
}

TEST(FormatNoFormMessage, NamesTheCharacter) {
    // clang-format off
    const std::pair<char32_t, std::string> rows[] = {
        {0x2603, "Character U+2603 (☃) cannot be calculated"},
        {0x1F600, "Character U+1F600 (😀) cannot be calculated"},
        {0x0080, "Character U+0080 cannot be calculated"},  // not shown: a control,
        {0x2009, "Character U+2009 cannot be calculated"},  // a space,
        {0x0306, "Character U+0306 cannot be calculated"},  // a lone combining mark
    };
    // clang-format on
    for (const auto& [codePoint, expected] : rows) {
        char out[80];
        EXPECT_EQ(FormatNoFormMessage(codePoint, out, sizeof out), expected.size());
        EXPECT_EQ(std::string(out), expected);
    }
    // Cut short only between characters, and always terminated.
    const std::string full = rows[0].second;
    for (size_t capacity = 0; capacity <= full.size() + 1; ++capacity) {
        char out[80];
        std::memset(out, '#', sizeof out);
        const size_t n = FormatNoFormMessage(0x2603, out, capacity);
        EXPECT_EQ(std::string(out, n), full.substr(0, n)) << capacity;
        EXPECT_EQ(out[capacity], '#');
        if (capacity > 0) {
            EXPECT_EQ(out[n], '\0');
        }
        std::string text;
        EXPECT_NE(Convert(std::string(out, n), text).outcome, Utf8Outcome::kNotUtf8) << capacity;
    }
}

}  // namespace
