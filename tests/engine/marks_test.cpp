#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "cleaning.h"
#include "function_table.h"
#include "marks.h"
#include "task_record.h"
#include "text.h"

namespace {

TEST(FunctionTable, CompleteUniqueAndInReplacementOrder) {
    std::set<int> codes;
    std::set<std::string> names;
    for (size_t i = 0; i < kFunctionCount; ++i) {
        const FunctionEntry& entry = kFunctionTable[i];
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(codes.insert(entry.code).second);
        EXPECT_TRUE(names.insert(entry.name).second);
        if (i > 0) {
            EXPECT_LT(kFunctionTable[i - 1].code, entry.code);
        }
        EXPECT_STREQ(FunctionNameOf(entry.code), entry.name);
        for (const char* c = entry.name; *c; ++c) EXPECT_TRUE(*c >= 'a' && *c <= 'z');
        // Every name computes something; the values are numbers before evaluation.
        const bool value = entry.code >= 61;
        EXPECT_EQ(entry.kind == FunctionKind::kNone, value);
    }
    // Every code of the two ranges has its name, and only those: 11 to 54 the
    // functions, 61 to 63 the values pi, ans and mem.
    for (int code = 11; code <= 63; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(codes.count(code), code <= 54 || code >= 61 ? 1u : 0u);
    }
    EXPECT_STREQ(FunctionNameOf(kCodePi), "pi");
    EXPECT_STREQ(FunctionNameOf(kCodeAns), "ans");
    EXPECT_STREQ(FunctionNameOf(kCodeMem), "mem");
    for (int code = 55; code <= 60; ++code) EXPECT_EQ(FunctionNameOf(code), nullptr);
    EXPECT_EQ(FunctionNameOf(10), nullptr);
    EXPECT_EQ(FunctionNameOf(64), nullptr);
    EXPECT_EQ(FunctionNameOf(-1), nullptr);
}

TEST(FunctionTable, LongerNamesComeBeforeTheNamesTheyContain) {
    for (size_t i = 0; i < kFunctionCount; ++i)
        for (size_t j = 0; j < kFunctionCount; ++j) {
            const FunctionEntry& outer = kFunctionTable[i];
            const FunctionEntry& inner = kFunctionTable[j];
            if (i != j && std::strstr(outer.name, inner.name)) {
                SCOPED_TRACE(std::string(outer.name) + " contains " + inner.name);
                EXPECT_LT(outer.code, inner.code);
            }
        }
}

// Cleaning must see every name as a possible function, or the name is never
// marked.
TEST(FunctionTable, CleaningReadsEveryNameAsAFunction) {
    for (const FunctionEntry& entry : kFunctionTable) {
        SCOPED_TRACE(entry.name);
        char text[kTaskCapacity + 1];
        ASSERT_TRUE(CopyText(text, entry.name));
        EXPECT_EQ(SanitizeTask(text, kTaskCapacity), kKindFunctions);
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
    for (size_t i = 0; i < kFunctionCount; ++i) {
        const FunctionEntry& entry = kFunctionTable[i];
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
        {":11;1", 8, ":acosec1"},    {":11;1", 7, "acosec1"},
        {":11;1", 6, ":11;1"},  // not even without colons: left marked, whole
        {":33;:33;", 8, ":tg:tg"},   {":11;:33;", 8, "acosectg"},
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
