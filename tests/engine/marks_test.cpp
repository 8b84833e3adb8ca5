#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "marks.h"
#include "task_record.h"
#include "text.h"

namespace {

TEST(FunctionNameTable, CompleteUniqueAndInReplacementOrder) {
    std::set<int> codes;
    std::set<std::string> names;
    for (size_t i = 0; i < kFunctionNameCount; ++i) {
        const FunctionName& entry = kFunctionNames[i];
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(codes.insert(entry.code).second);
        EXPECT_TRUE(names.insert(entry.name).second);
        if (i > 0) {
            EXPECT_LT(kFunctionNames[i - 1].code, entry.code);
        }
        EXPECT_TRUE((entry.code >= 11 && entry.code <= 54) || (entry.code >= 61 && entry.code <= 63));
        EXPECT_STREQ(FunctionNameOf(entry.code), entry.name);
        // Cleaning classifies a task as functions by these letters.
        EXPECT_NE(std::strpbrk(entry.name, "almpst"), nullptr);
        for (const char* c = entry.name; *c; ++c) EXPECT_TRUE(*c >= 'a' && *c <= 'z');
    }
    // Every code of the two ranges has its name, and only those.
    for (int code = 11; code <= 63; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(codes.count(code), code <= 54 || code >= 61 ? 1u : 0u);
    }
    for (int code = 55; code <= 60; ++code) EXPECT_EQ(FunctionNameOf(code), nullptr);
    EXPECT_EQ(FunctionNameOf(10), nullptr);
    EXPECT_EQ(FunctionNameOf(64), nullptr);
    EXPECT_EQ(FunctionNameOf(-1), nullptr);
}

TEST(FunctionNameTable, LongerNamesComeBeforeTheNamesTheyContain) {
    for (size_t i = 0; i < kFunctionNameCount; ++i)
        for (size_t j = 0; j < kFunctionNameCount; ++j) {
            const FunctionName& outer = kFunctionNames[i];
            const FunctionName& inner = kFunctionNames[j];
            if (i != j && std::strstr(outer.name, inner.name)) {
                SCOPED_TRACE(std::string(outer.name) + " contains " + inner.name);
                EXPECT_LT(outer.code, inner.code);
            }
        }
}

TEST(FunctionNameTable, FamilyGuardWordsOccurInEveryMember) {
    struct Family {
        int first, last;
        const char* word;
    };
    const Family families[] = {{11, 17, "cos"}, {18, 22, "sin"}, {23, 27, "cot"}, {28, 33, "tg"}, {34, 38, "tan"}};
    for (const Family& family : families)
        for (int code = family.first; code <= family.last; ++code) {
            SCOPED_TRACE(code);
            ASSERT_NE(FunctionNameOf(code), nullptr);
            EXPECT_NE(std::strstr(FunctionNameOf(code), family.word), nullptr);
        }
}

TEST(MarkFunctionNames, ReplacesNames) {
    struct Row {
        const char* text;
        const char* marked;
        int result;
    };
    const Row rows[] = {
        {"sin(30)+NaCl", ":22;(30)+NaCl", 1},
        {"cos(0)+cosh(0)", ":17;(0)+:16;(0)", 1},
        {"2pi", "2:61;", 1},
        {"NaCl", "NaCl", 2},  // lower-case a made it kind 1, but it holds no name
        {"2NaCl", "2NaCl", 2},
        {"sinh(1)*sin(1)", ":21;(1)*:22;(1)", 1},
        {"arctg(1)", ":29;(1)", 1},
        {"atg(1)", ":31;(1)", 1},
        {"acosec(2)", ":11;(2)", 1},  // once, no cosec or cos inside
        {"sqrt(4)", ":43;(4)", 1},
        {"SIN(30)", "SIN(30)", 2},  // names are lower case only
        {"ans+mem*pi", ":62;+:63;*:61;", 1},
        {"sinsinsin", ":22;:22;:22;", 1},
        {"arccos1+acos1", ":13;1+:15;1", 1},
        {"tg1+tan1+arcctg1", ":33;1+:38;1+:28;1", 1},
        {"rand+ran", ":52;+:53;", 1},
        {"aln1+ln1+alog1+log1", ":46;1+:48;1+:47;1+:49;1", 1},
        {"cotg", ":27;g", 1},  // cot is replaced before the tg family is reached
        {"", "", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        char text[kTaskCapacity + 1];
        CopyText(text, row.text);
        EXPECT_EQ(MarkFunctionNames(text), row.result);
        EXPECT_STREQ(text, row.marked);
    }
}

TEST(MarkFunctionNames, EveryNameBecomesItsOwnMarkAndComesBack) {
    for (size_t i = 0; i < kFunctionNameCount; ++i) {
        const FunctionName& entry = kFunctionNames[i];
        SCOPED_TRACE(entry.name);
        char text[kTaskCapacity + 1];
        std::snprintf(text, sizeof text, "2*%s(1)", entry.name);
        ASSERT_EQ(MarkFunctionNames(text), 1);
        char expected[32];
        std::snprintf(expected, sizeof expected, "2*:%d;(1)", entry.code);
        EXPECT_STREQ(text, expected);
        UnmarkFunctionNames(text, kTaskCapacity, 0);
        std::snprintf(expected, sizeof expected, "2*%s(1)", entry.name);
        EXPECT_STREQ(text, expected);
    }
}

TEST(MarkFunctionNames, LengthLimits) {
    char text[kTaskCapacity + 2];
    std::memset(text, '1', kTaskCapacity);
    text[kTaskCapacity] = 0;
    EXPECT_EQ(MarkFunctionNames(text), 2);

    text[kTaskCapacity] = '1';
    text[kTaskCapacity + 1] = 0;
    EXPECT_EQ(MarkFunctionNames(text), 1001);
    EXPECT_EQ(std::strlen(text), kTaskCapacity + 1);

    // 170 names of three letters fit as typed and grow by one character each.
    std::string sines;
    for (int i = 0; i < 170; ++i) sines += "sin";
    CopyText(text, sines.c_str());
    EXPECT_EQ(MarkFunctionNames(text), 1001);
    EXPECT_STREQ(text, sines.c_str());

    // 127 of them grow to 508 characters and fit.
    sines.resize(127 * 3);
    CopyText(text, sines.c_str());
    EXPECT_EQ(MarkFunctionNames(text), 1);
    EXPECT_EQ(std::strlen(text), 508u);
}

TEST(UnmarkFunctionNames, WithAndWithoutSeparator) {
    struct Row {
        const char* text;
        int separator;
        const char* unmarked;
    };
    const Row rows[] = {
        {"2:22;30", 1, "2:sin30"},
        {"2*:22;30", 1, "2*:sin30"},
        {"2:22;30", 0, "2sin30"},
        {"2*:22;30", 0, "2*sin30"},
        {"2:22;(30)", 1, "2:sin(30)"},
        {":21;(1)*:22;(1)", 0, "sinh(1)*sin(1)"},
        {":29;(1)+:31;(1)", 0, "arctg(1)+atg(1)"},
        {"2*:61;+:62;-:63;", 1, "2*:pi+:ans-:mem"},
        {"2:22;30", 2, "2:sin30"},  // any nonzero separator shows the colon
        {"2:22;30", -1, "2:sin30"},
        {"1+2", 1, "1+2"},
        {":55;1", 1, ":55;1"},  // a code without a name stays as it stands
        {";:2;:2x;", 1, ";:2;:2x;"},
        {":22", 1, ":22"},
        {"", 1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + std::to_string(row.separator));
        char text[kMathsCapacity + 1];
        CopyText(text, row.text);
        UnmarkFunctionNames(text, kMathsCapacity, row.separator);
        EXPECT_STREQ(text, row.unmarked);
    }
}

// Marks unmarked near the end of a small field: the names with colons, then
// without, then none, and never a byte past the field.
TEST(UnmarkFunctionNames, NeverWritesPastCapacity) {
    struct Row {
        const char* text;
        size_t capacity;
        const char* unmarked;
    };
    const Row rows[] = {
        {":11;1", 8, ":acosec1"},
        {":11;1", 7, "acosec1"},
        {":11;1", 6, ":11;1"},  // not even without colons: left marked, whole
        {":33;:33;", 8, ":tg:tg"},
        {":11;:33;", 8, "acosectg"},
        {":11;:11;", 8, ":11;:11;"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " in " + std::to_string(row.capacity));
        char field[64];
        std::memset(field, '#', sizeof field);
        CopyText(field, row.capacity, row.text);
        UnmarkFunctionNames(field, row.capacity, 1);
        EXPECT_STREQ(field, row.unmarked);
        for (size_t i = row.capacity + 1; i < sizeof field; ++i) ASSERT_EQ(field[i], '#') << i;
    }
}

}  // namespace
