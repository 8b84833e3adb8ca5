#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cleaning.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

struct SanitizeRow {
    const char* input;
    const char* cleaned;
    int kind;
};

TEST(SanitizeTask, CleansAndClassifies) {
    // clang-format off
    const SanitizeRow rows[] = {
        {"  2 , 5 ", "2.5", 0},
        {".5", "0.5", 0},
        {"2,5", "2.5", 0},
        {"50%", "50", 0},
        {"3 ** 2", "3^2", 0},
        {"x**2+1", "x^2+1", 4},
        {"2x ^ 2-1", "2x^2-1", 4},
        {"2^x", "2^x", 2},
        {"1e+5", "1e5", 0},
        {"1E-5", "1e-5", 0},
        {"E5", "E5", 0},  // the letter e never changes the kind
        {"5--3", "5-1*-3", 0},
        {"2++3", "2+3", 0},
        {"2+++3", "2++3", 0},  // one "+" swallows only the next one
        {"_9", "2_9", 0},
        {"3_8", "3_8", 0},
        {"2*_9", "2*2_9", 0},
        {"2+3=7", "2+3", 0},
        {"#dec 3 = comment", "#dec3", 9},
        {"s i n 3 0", "sin30", 1},
        {"NaCl", "NaCl", 1},  // the a could belong to a name
        {"KBr", "KBr", 2},
        {"KBr+s", "KBr+s", 1},
        {"#x^2", "#x^2", 4},  // the last event decides
        {"x^2#", "x^2#", 9},
        {"x^2+sin(1)", "x^2+sin(1)", 4},  // letters of names leave a quadratic alone
        {"=anything", "", 0},
        {"\t2\r\n+\x01 3", "2+3", 0},
        {"2\xd7" "3\xf7" "4", "2*3/4", 0},  // multiplication and division signs
        {"2\xe9\xff\x80" "3", "23", 0},
        // Look-alike characters are read as the operator they stand for.
        {"CuSO4\xb7" "5H2O", "CuSO4*5H2O", 2},  // middle dot
        {"2\x95" "3", "2*3", 0},                 // bullet
        {"2\xb7\xb7" "3", "2^3", 0},             // two dots read like "**"
        {"5\x96" "3", "5-3", 0},                 // en dash
        {"5\x97\x97" "3", "5-1*-3", 0},          // em dashes read like "--"
        {"10\xb2", "10^2", 0},                   // superscript two
        {"2\xb9+2\xb3", "2^1+2^3", 0},
        {"x\xb2-5x+6", "x^2-5x+6", 4},           // an equation, like x^2
        {"1e\x96" "5", "1e-5", 0},               // an exponent's sign
        {"\"$%&':;<>?\\`~@|\x7f", "", 0},
        {"2e", "2e", 0},
        {"(2)e+5", "(2)e+5", 0},  // an "e" after a bracket is no exponent
        {"[1]{2}", "[1]{2}", 0},
        {"", "", 0},
    };
    // clang-format on
    for (const SanitizeRow& row : rows) {
        SCOPED_TRACE(row.input);
        char text[kTaskCapacity + 1];
        CopyText(text, row.input);
        EXPECT_EQ(SanitizeTask(text, kTaskCapacity), row.kind);
        EXPECT_STREQ(text, row.cleaned);
    }
}

TEST(SanitizeTask, LengthLimits) {
    struct Row {
        std::string input;
        int kind;
        size_t cleanedLength;
    };
    const Row rows[] = {
        {std::string(510, '1'), 0, 510},
        {std::string(511, ' ') + "1", 0, 1},  // blanks do not count once dropped
        {std::string(600, ' ') + std::string(38, '7'), 0, 38},
        {std::string(511, '1'), kStatusTooLong, 0},  // cleaned text beyond a task field
        {std::string(639, ' '), kStatusTooLong, 0},  // typed text beyond 638
        {std::string(320, ','), kStatusTooLong, 0},  // grows beyond 638 while cleaning
        {std::string(255, ','), 0, 510},             // ",," gives "0.0." : exactly 510
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input.size());
        char text[kSanitizeLimit + 8];
        CopyText(text, row.input.c_str());
        EXPECT_EQ(SanitizeTask(text, kSanitizeLimit), row.kind);
        if (row.kind == kStatusTooLong) {
            EXPECT_EQ(std::string(text), row.input);  // unchanged on refusal
        } else {
            EXPECT_EQ(std::strlen(text), row.cleanedLength);
        }
    }
}

TEST(SanitizeTask, MapsEveryCleanedCharacterToWhereItWasTyped) {
    struct Row {
        const char* input;
        const char* cleaned;
        std::vector<uint16_t> sourceOf;
    };
    const Row rows[] = {
        {" .5 Xx", "0.5Xx", {1, 1, 2, 4, 5}},  // "0." comes from the "."
        {"2 ** 3", "2^3", {0, 3, 5}},          // the power from the second "*"
        {"1e+5", "1e5", {0, 1, 3}},           {"x\xb2", "x^2", {0, 1, 1}}, {"5--3", "5-1*-3", {0, 1, 1, 1, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        char text[kTaskCapacity + 1];
        uint16_t sourceOf[kSanitizeLimit + 1];
        CopyText(text, row.input);
        ASSERT_LT(SanitizeTask(text, kTaskCapacity, sourceOf), kFirstStatus);
        ASSERT_STREQ(text, row.cleaned);
        EXPECT_EQ(std::vector<uint16_t>(sourceOf, sourceOf + std::strlen(text)), row.sourceOf);
    }
}

TEST(SanitizeTask, RespectsSmallerCapacity) {
    char text[8] = ",,,,";  // cleans to "0.0.0.0.", 8 characters
    EXPECT_EQ(SanitizeTask(text, 7), kStatusTooLong);
    EXPECT_STREQ(text, ",,,,");
}

TEST(SanitizeTask, EveryByteIsSafe) {
    for (int c = 1; c < 256; ++c) {
        SCOPED_TRACE(c);
        char text[kTaskCapacity + 1] = {static_cast<char>(c), '1', static_cast<char>(c), 0};
        const int kind = SanitizeTask(text, kTaskCapacity);
        EXPECT_TRUE(kind == 0 || kind == 1 || kind == 2 || kind == 4 || kind == 9) << kind;
        EXPECT_LE(std::strlen(text), 9u);
    }
}

struct ReadBackRow {
    const char* shown;
    bool number;
    const char* cleaned;
};

TEST(ReadBackNumber, OnlyWholeNumberTexts) {
    const ReadBackRow rows[] = {
        {"12", true, "12"},
        {"-5", true, "-5"},
        {"1 234,5", true, "1234.5"},
        {"1.5e+20", true, "1.5e20"},
        {"1.5e+020", true, "1.5e020"},
        {"1.23e-05", true, "1.23e-05"},
        {"0,000 123 4", true, "0.0001234"},
        {"", false, ""},
        {"<Complex number>", false, ""},
        {"Cannot divide by zero!", false, ""},
        {"n! must be from 0 to 170", false, ""},  // ends in a digit, still a message
        {"5+", false, ""},
        {"Expression is too long", false, ""},
    };
    for (const ReadBackRow& row : rows) {
        SCOPED_TRACE(row.shown);
        char out[kMemoryCapacity + 1] = "junk";
        EXPECT_EQ(ReadBackNumber(row.shown, out, kMemoryCapacity), row.number);
        EXPECT_STREQ(out, row.cleaned);
    }
}

struct ContinueRow {
    const char* task;
    const char* answer;
    int status;
    const char* result;
};

TEST(ContinueFromAnswer, LeadingAndTrailingOperators) {
    const ContinueRow rows[] = {
        {"*2", "12", 0, "12*2"},
        {"5-", "12", 0, "5-12"},
        {"-1", "12", 0, "-1"},
        {"+", "12", 0, "12+12"},
        {"-", "12", 0, "-12"},
        {"2_", "12", 0, "2_12"},
        {":22;", "12", 0, ":22;12"},    // a function without its argument
        {"2*:61;", "12", 0, "2*:61;"},  // pi is a value, not a function
        {"2*:63;", "12", 0, "2*:63;"},
        {"^2", "3", 0, "3^2"},
        {"/2", "1 234,5", 0, "1234.5/2"},
        {"*2", "<Complex number>", kStatusAnswerNotNumber, "*2"},
        {"*2", "Cannot divide by zero!", kStatusAnswerNotNumber, "*2"},
        {"*2", "", kStatusAnswerNotNumber, "*2"},
        {"*2", "n! must be from 0 to 170", kStatusAnswerNotNumber, "*2"},
        {"2+3", "Incorrect syntax", 0, "2+3"},  // the answer is read only when needed
    };
    for (const ContinueRow& row : rows) {
        SCOPED_TRACE(std::string(row.task) + " | " + row.answer);
        char task[kTaskCapacity + 1];
        CopyText(task, row.task);
        EXPECT_EQ(ContinueFromAnswer(task, row.answer), row.status);
        EXPECT_STREQ(task, row.result);
    }
}

TEST(ContinueFromAnswer, RefusesGrowthBeyondTheField) {
    std::string task = "*" + std::string(505, '1');
    char text[kTaskCapacity + 1];
    CopyText(text, task.c_str());
    EXPECT_EQ(ContinueFromAnswer(text, "1234"), 0);  // 510 characters fit
    EXPECT_EQ(std::strlen(text), 510u);

    task = "+" + std::string(506, '1') + "+";
    CopyText(text, task.c_str());
    EXPECT_EQ(ContinueFromAnswer(text, "12"), kStatusTooLong);
    EXPECT_EQ(std::string(text), task);
}

struct NormalizeRow {
    const char* task;
    const char* maths;
};

TEST(NormalizeSigns, RewritesMinusSigns) {
    const NormalizeRow rows[] = {
        {"5-1*-3", "5+-1*1*-3"},
        {"5-3", "5+-1*3"},
        {"(5)-3", "(5)+-1*3"},
        {"2*-3", "2*-3"},
        {"2^-3", "2^-3"},
        {"2/-3", "2/-3"},
        {"(-3)", "(-3)"},
        {"2.5e-3", "2.5e-3"},
        {"5-(3)", "5+-1*(3)"},
        {"-(2+3)", "-1*(2+3)"},
        {"-5", "-5"},
        {"2-:22;(1)", "2+-1*:22;(1)"},
        {"-:22;(1)", "-1*:22;(1)"},
        {":22;-3", ":22;-3"},
        {"2:22;30", "2*:22;30"},
        {":22;30", ":22;30"},
        {"K4[Fe(CN)6]", "K4(Fe(CN)6)"},
        {"NaCl-2", "NaCl-1*2"},
        {"-H2O", "-1*H2O"},
        {"x^2-5x+6", "x^2+-1*5x+6"},
        {"x^2-x", "x^2+-x"},
        // Square and curly brackets close a term like round ones.
        {"[2+3]-1", "(2+3)+-1*1"},
        {"{1}-[2]", "(1)+-1*(2)"},
        {"2*[-3]", "2*(-3)"},
        {"-[2]", "-1*(2)"},
    };
    for (const NormalizeRow& row : rows) {
        SCOPED_TRACE(row.task);
        char maths[kMathsCapacity + 1];
        CopyText(maths, row.task);
        EXPECT_EQ(NormalizeSigns(row.task, maths), 0);
        EXPECT_STREQ(maths, row.maths);
    }
}

TEST(NormalizeSigns, LengthLimits) {
    // 200 subtractions grow by 3 characters each: 401 + 600 > 638.
    std::string task;
    for (int i = 0; i < 200; ++i) task += "1-";
    task += "1";
    char maths[kMathsCapacity + 1];
    CopyText(maths, task.c_str());
    EXPECT_EQ(NormalizeSigns(task.c_str(), maths), kStatusTooLong);
    EXPECT_EQ(std::string(maths), task);

    const std::string tooLong(511, '1');
    CopyText(maths, tooLong.c_str());
    EXPECT_EQ(NormalizeSigns(tooLong.c_str(), maths), kStatusTooLong);
}

}  // namespace
