#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine.h"
#include "quadratic.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

// Texts as normalisation leaves them: a subtraction is "+-1*" or "+-".
TEST(QuadraticCut, CoefficientTexts) {
    struct Row {
        const char* maths;
        const char* a;
        const char* b;
        const char* c;
    };
    const Row rows[] = {
        {"x^2+-1*4", "1", "0", "-1*4"},
        {"x^2+x", "1", "1", "0"},
        {"2x^2+3x+-1*5", "2", "3", "-1*5"},
        {"2*x^2+3*x+-1*5", "2", "3", "-1*5"},
        {"x^2+-1*2x+1", "1", "-1*2", "1"},
        {"x^2+-x+6", "1", "-1", "6"},
        {"x^2+-1*3*x", "1", "-1*3", "0"},
        {"x^2*x", "1", "1", "0"},  // an "x" right after one character is the linear term 1
        {"x^3+1", "1", "0", "1"},  // the exponent is never read
        {"x^2", "1", "0", "0"},
        {"x^2+", "1", "0", "0"},
        {"-x^2+4", "-1", "0", "4"},
        {"-1*x^2+x", "-1", "1", "0"},
        {"(1+1)x^2+(2*3)x+(4)", "(1+1)", "(2*3)", "(4)"},
        {"x^2+3x+5/0", "1", "3", "5/0"},
        {"*x^2", "", "0", "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maths);
        QuadraticTerms terms;
        ASSERT_EQ(CutQuadratic(row.maths, terms), 0);
        EXPECT_STREQ(terms.a, row.a);
        EXPECT_STREQ(terms.b, row.b);
        EXPECT_STREQ(terms.c, row.c);
    }
}

TEST(QuadraticCut, TextsThatCannotBeCut) {
    const std::string longest(kCoefficientCapacity, '1');
    const std::string tooLong(kCoefficientCapacity + 1, '1');
    struct Row {
        std::string maths;
        int expected;
    };
    const Row rows[] = {
        {"", 1028},
        {"2^2+1", 1028},
        {"X^2+1", 1028},  // only the lower-case x is the variable
        {"x", 1028},
        {"x^", 1028},  // fewer than two characters after the first x
        {"3x^", 1028},
        {"xx^2+1", 1028},
        {"x^x+1", 1028},
        {"x^2x+1", 1028},  // a linear x without any coefficient text
        {"x^2+*x", 1028},
        {"x^2+x+x", 1028},  // a stray x in the constant term
        {"x^2+3x+2x", 1028},
        {longest + "x^2+" + longest + "x+" + longest, 0},
        {tooLong + "x^2", 1001},
        {"x^2+" + tooLong + "x", 1001},
        {"x^2+x+" + tooLong, 1001},
        {"x^2+" + tooLong, 1001},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maths);
        QuadraticTerms terms;
        EXPECT_EQ(CutQuadratic(row.maths.c_str(), terms), row.expected);
    }
}

TEST(QuadraticRoots, RealRootsInReportedOrder) {
    struct Row {
        double a, b, c;
        double x1, x2;
    };
    const Row rows[] = {
        {1, 1, 0, -1, 0},
        {2, 3, -5, -2.5, 1},
        {1, -5, 6, 2, 3},
        {1, -2, 1, 1, 1},   // D = 0
        {-1, 0, 4, -2, 2},  // b = 0: -sqrt(-c/a) first
        {-1, 3, 4, 4, -1},  // a < 0: x1 is the larger root
        {1, 0, -2, -std::sqrt(2.0), std::sqrt(2.0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << "x^2 + " << row.b << "x + " << row.c);
        double x1 = 99, x2 = 99;
        ASSERT_EQ(ComputeRoots(row.a, row.b, row.c, x1, x2), 0);
        EXPECT_DOUBLE_EQ(x1, row.x1);
        EXPECT_DOUBLE_EQ(x2, row.x2);
    }
}

TEST(QuadraticRoots, NoRealRootsAndNoQuadraticTerm) {
    struct Row {
        double a, b, c;
        int expected;
    };
    const Row rows[] = {
        {1, 0, 1, 0},     // b = 0 and -c/a < 0
        {1, 1, 1, 0},     // D < 0
        {0, 2, 1, 1028},  // linear: not quadratic, and not complex either
        {0, 0, 0, 1028}, {-0.0, 1, 1, 1028},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << "x^2 + " << row.b << "x + " << row.c);
        double x1 = 99, x2 = 99;
        ASSERT_EQ(ComputeRoots(row.a, row.b, row.c, x1, x2), row.expected);
        if (row.expected == 0) {
            EXPECT_TRUE(std::isnan(x1));
            EXPECT_TRUE(std::isnan(x2));
        } else {
            EXPECT_EQ(x1, 99);
            EXPECT_EQ(x2, 99);
        }
    }
}

// Roots come out as "%.15g" texts that keep the "+" of an exponent.
TEST(QuadraticSolver, RootTexts) {
    struct Row {
        const char* maths;  // as normalisation leaves it
        const char* x1;
        const char* x2;
    };
    const Row rows[] = {
        {"x^2+1", "<Complex number>", "<Complex number>"},
        {"x^2", "0", "0"},  // -b/a with b = 0 is shown as 0, not -0
        {"(1+1)x^2+-1*8", "-2", "2"},
        {"x^2+-1*3x", "3", "0"},
        {"3x^2+x", "-0.333333333333333", "0"},  // 15 digits, no 9-digit cleaning
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maths);
        TaskRecord r{};
        CopyText(r.szMaths, row.maths);
        ASSERT_EQ(SolveQuadratic(r.szMaths, r.szResult, kRadians), 0);
        EXPECT_NUMBER_TEXT(r.szMaths, row.x1);
        EXPECT_NUMBER_TEXT(r.szResult, row.x2);
    }
}

TEST(QuadraticSolver, FailuresLeaveTheirMessageAsX1) {
    const std::string tooLong = "x^2+" + std::string(kCoefficientCapacity + 1, '1');
    struct Row {
        std::string maths;
        const char* message;
    };
    const Row rows[] = {
        {"x^2+3x+5/0", "Cannot divide by zero!"},
        {"x^2+(3x", "Missing right bracket ')'"},
        {"x^2+3x+5*", "Incorrect syntax"},
        {"0x^2+2x+1", "Error in quadratic equation"},  // linear, so not complex either
        {"(1+-1)x^2+1", "Error in quadratic equation"},
        {"5", "Error in quadratic equation"},
        {tooLong, "Expression is too long"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maths);
        TaskRecord r{};
        CopyText(r.szMaths, row.maths.c_str());
        CopyText(r.szResult, "7");
        EXPECT_EQ(SolveQuadratic(r.szMaths, r.szResult, kRadians), 1028);
        EXPECT_STREQ(r.szMaths, row.message);
        EXPECT_STREQ(r.szResult, "7");
    }
}

// Typed lines through the driver, one record: the task gains " = 0", x1
// stays raw in szMaths, x2 is shown in szAnswer.
TEST(QuadraticSequences, TypedEquations) {
    struct Step {
        std::string line;
        int result;
        std::string task;
        const char* maths;
        const char* answer;
    };
    const std::string longest = "x^2+" + std::string(kTaskCapacity - 8, '1');
    const std::string tooLong = longest + "1";
    const Step steps[] = {
        {"x^2-5x+6", 4, "x^2-5x+6 = 0", "2", "3"},
        {"x^2-4", 4, "x^2-4 = 0", "-2", "2"},
        {"x^2+x", 4, "x^2+x = 0", "-1", "0"},
        {"2x^2+3x-5", 4, "2x^2+3x-5 = 0", "-2.5", "1"},
        {"2*x^2+3*x-5", 4, "2*x^2+3*x-5 = 0", "-2.5", "1"},
        {"x ** 2 - 5x + 6 = 7", 4, "x^2-5x+6 = 0", "2", "3"},
        {"X^2-4", 4, "x^2-4 = 0", "-2", "2"},
        {"x^2-2x+1", 4, "x^2-2x+1 = 0", "1", "1"},
        {"x^2-2", 4, "x^2-2 = 0", "-1.4142135623731", "1.4142135623731"},
        {"3x^2", 4, "3x^2 = 0", "0", "0"},
        {"x^2-2.25e40", 4, "x^2-2.25e40 = 0", "-1.5e+20", "1.5e+20"},
        {"x^2+1", 4, "x^2+1 = 0", "<Complex number>", "<Complex number>"},
        {"x^2+x+1", 4, "x^2+x+1 = 0", "<Complex number>", "<Complex number>"},
        {"x^3+1", 4, "x^3+1 = 0", "<Complex number>", "<Complex number>"},
        {"x^2+3x+5/0", -1, "x^2+3x+5/0 = 0", "Cannot divide by zero!", "Error in quadratic equation"},
        {"0x^2+2x+1", -1, "0x^2+2x+1 = 0", "Error in quadratic equation", "Error in quadratic equation"},
        {"x^2+x+x", -1, "x^2+x+x = 0", "Error in quadratic equation", "Error in quadratic equation"},
        {"x^2x+1", -1, "x^2x+1 = 0", "Error in quadratic equation", "Error in quadratic equation"},
        // A trailing "^" continues from the previous answer, here a message.
        {"x^", -1, "x^", "Error in quadratic equation", "Previous answer isn't number"},
        {"5", 0, "5", "5", "5"},
        {"x^", 4, "x^5 = 0", "0", "0"},  // x^5 is solved as x^2
        {longest, -1, longest + " = 0", "Expression is too long", "Error in quadratic equation"},
        {tooLong, -1, tooLong, nullptr, "Expression is too long"},
    };
    TaskRecord r;
    ResetTaskRecord(r);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line);
        CopyText(r.szTask, step.line.c_str());
        EXPECT_EQ(CalculateTask(r), step.result);
        EXPECT_EQ(r.szTask, step.task);
        if (step.maths) {
            EXPECT_NUMBER_TEXT(r.szMaths, step.maths);
        }
        EXPECT_NUMBER_TEXT(r.szAnswer, step.answer);
    }
}

TEST(QuadraticSequences, RootsMeetSettingsAndMemory) {
    struct Step {
        const char* line;
        int result;
        const char* answer;
        const char* memory;
    };
    const Step steps[] = {
        {"#fix 2", 9, "", ""},
        {"x^2-5x+6", 4, "3.00", ""},
        {"#mem", 9, "3.00", "3"},
        {"x^2-2.25e40", 4, "150000000000000000000.00", "3"},
        {"#mem+", 9, "150000000000000000000.00", "1.5e20"},  // the root's "+" no longer cuts the number
        {"x^2+1", 4, "<Complex number>", "1.5e20"},
        {"#mem-", 1011, "<Complex number>", "1.5e20"},
        {"#sci 1", 9, "<Complex number>", "1.5e20"},
        {"x^2+3x+5/0", -1, "Error in quadratic equation", "1.5e20"},
        {"#mem", 9, "Error in quadratic equation", "Error in quadratic equation"},
        {"2*mem", -1, "No number in memory", "Error in quadratic equation"},
    };
    TaskRecord r;
    ResetTaskRecord(r);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line);
        CopyText(r.szTask, step.line);
        EXPECT_EQ(CalculateTask(r), step.result);
        EXPECT_NUMBER_TEXT(r.szAnswer, step.answer);
        EXPECT_NUMBER_TEXT(r.szMemory, step.memory);
    }
}

}  // namespace
