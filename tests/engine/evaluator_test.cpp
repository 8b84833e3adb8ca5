#include <gtest/gtest.h>

#include <string>

#include "evaluator.h"
#include "status.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

struct Row {
    const char* expression;
    int status;
    const char* result;  // the result text on success
};

void CheckRows(const Row* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.expression);
        char result[kResultCapacity + 1] = "unchanged";
        EXPECT_EQ(EvaluateExpression(row.expression, result, kResultCapacity, 0), row.status);
        if (row.status == 0) {
            EXPECT_NUMBER_TEXT(result, row.result);
        } else {
            EXPECT_STREQ(result, "unchanged");  // a failure leaves the destination alone
        }
    }
}

TEST(EvaluateExpression, OperatorLevels) {
    const Row rows[] = {
        {"2+3*4", 0, "14"},
        {"2*3+4", 0, "10"},
        {"10+-2+-3", 0, "5"},
        {"2+3*4^2/8", 0, "8"},
        {"2^3^2", 0, "64"},  // left-associative
        {"3_8", 0, "2"},
        {"2_9^2", 0, "9"},  // the power first: 2_81
        {"-2^2", 0, "4"},   // a sign binds tighter than a power
        {"2*-3", 0, "-6"},
        {"2^-1", 0, "0.5"},
        {"8/2/2", 0, "2"},
        {"2*8/4", 0, "4"},
        {"1/3*3", 0, "0.999999999999999"},  // intermediate results carry 15 digits
        {"0.1+0.2", 0, "0.3"},
        {"2/3", 0, "0.666666666666667"},
        {"1/7", 0, "0.142857142857143"},
        {"5", 0, "5"},
        {"-5", 0, "-5"},
        {"", 0, "0"},
        {"1e5", 0, "100000"},
        {"1000000000", 0, "1e09"},  // the 9-digit rendering is in exponent form
        {"1000000001", 0, "1000000001"},
        {"1e20*1.5", 0, "1.5e20"},
        {"1e-5", 0, "1e-05"},
        {"2.5e-3*2", 0, "0.005"},
        {"*5^2", 0, "0"},                 // position 0 is never an operator: "*5" reads as 0
        {"5+-", kStatusSyntax, nullptr},  // a lone "-" is no operand
    };
    CheckRows(rows, std::size(rows));
}

TEST(EvaluateExpression, Brackets) {
    const Row rows[] = {
        {"(2+3)*(4+5)", 0, "45"}, {"(1+2)*(3+4)", 0, "21"}, {"((2))", 0, "2"},        {"()", 0, "0"},
        {"2*()", 0, "0"},         {"-(2)", 0, "-2"},        {"(1e5)*1", 0, "100000"}, {"((((((((1+1))))))))", 0, "2"},
    };
    CheckRows(rows, std::size(rows));
}

TEST(EvaluateExpression, Failures) {
    const Row rows[] = {
        {"5/0", kStatusDivideByZero, nullptr},
        {"5/-0", kStatusDivideByZero, nullptr},
        {"5/0.0", kStatusDivideByZero, nullptr},
        {"2+*3", kStatusSyntax, nullptr},
        {"5*", kStatusSyntax, nullptr},
        {"2*-", kStatusSyntax, nullptr},
        {"+5", kStatusSyntax, nullptr},
        {"(2+3", kStatusMissingRight, nullptr},
        {"2+3)", kStatusMissingLeft, nullptr},
        {"(2)(3)", kStatusNoOperatorBetween, nullptr},
        {"2(3)", kStatusNoOperatorBefore, nullptr},
        {"(2)3", kStatusNoOperatorAfter, nullptr},
        {"(2)!", kStatusNoOperatorAfter, nullptr},
        {"5)(", kStatusNoOperatorBetween, nullptr},  // checks run in their order
        {"0^-1", kStatusIndeterminate, nullptr},
        {"2_-4", kStatusIndeterminate, nullptr},
        {"1e999", kStatusIndeterminate, nullptr},
        {"1e308*10", kStatusIndeterminate, nullptr},
        {"0_5", kStatusIndeterminate, nullptr},
    };
    CheckRows(rows, std::size(rows));
}

TEST(EvaluateExpression, LengthLimits) {
    char result[kResultCapacity + 1];
    // 638 characters: "1+" repeated, ending in a digit.
    std::string text;
    while (text.size() < 636) text += "1+";
    text += "11";
    ASSERT_EQ(text.size(), 638u);
    EXPECT_EQ(EvaluateExpression(text.c_str(), result, kResultCapacity, 0), 0);
    EXPECT_STREQ(result, "329");
    text += "1";
    EXPECT_EQ(EvaluateExpression(text.c_str(), result, kResultCapacity, 0), kStatusTooLong);

    // A destination too small for the result is refused, never overrun.
    char tiny[4] = "abc";
    EXPECT_EQ(EvaluateExpression("1/3", tiny, 3, 0), kStatusTooLong);
    EXPECT_STREQ(tiny, "abc");
}

TEST(EvaluateExpression, GrowthNeverOverflows) {
    // Every "1/3" grows to 17 characters while the level is reduced, and every
    // "(1/3)" to 17: far beyond the 638 characters of the input.
    std::string divisions;
    while (divisions.size() + 4 <= 638) divisions += "1/3*";
    divisions += "1";
    char result[kResultCapacity + 1];
    EXPECT_EQ(EvaluateExpression(divisions.c_str(), result, kResultCapacity, 0), 0);

    std::string brackets;
    while (brackets.size() + 6 <= 638) brackets += "(1/3)+";
    brackets += "1";
    const int status = EvaluateExpression(brackets.c_str(), result, kResultCapacity, 0);
    // The text between the brackets grows past the flat limit: refused, not overrun.
    EXPECT_EQ(status, kStatusTooLong);
}

TEST(EvaluateExpression, DestinationMayBeTheExpression) {
    char text[kResultCapacity + 1] = "(1+2)*3";
    EXPECT_EQ(EvaluateExpression(text, text, kResultCapacity, 0), 0);
    EXPECT_STREQ(text, "9");
}

TEST(EvaluateFlat, InPlace) {
    struct FlatRow {
        const char* text;
        int status;
        const char* result;
    };
    const FlatRow rows[] = {
        {"5+3", 0, "8"},
        {"5+-3", 0, "2"},
        {"1.5e20+5", 0, "1.5e20"},
        {"", 0, "0"},
        {"-", 0, "0"},  // a single operand is read as a number, whatever it holds
        {"5+", kStatusSyntax, nullptr},
    };
    for (const FlatRow& row : rows) {
        SCOPED_TRACE(row.text);
        char text[kMemoryCapacity + 1];
        CopyText(text, row.text);
        EXPECT_EQ(EvaluateFlat(text, kMemoryCapacity, 0), row.status);
        if (row.status == 0) {
            EXPECT_NUMBER_TEXT(text, row.result);
        }
    }
}

}  // namespace
