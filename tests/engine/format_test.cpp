#include <gtest/gtest.h>

#include <string>

#include "engine.h"
#include "format.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

struct Row {
    const char* result;
    int mode;
    int decimals;
    int grouping;
    const char* answer;
};

void CheckRows(const Row* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(std::string(row.result) + " mode " + std::to_string(row.mode) + " decimals " +
                     std::to_string(row.decimals) + " grouping " + std::to_string(row.grouping));
        TaskRecord record = MakeRecord();
        CopyText(record.szResult, row.result);
        CopyText(record.szAnswer, "previous");
        record.iNumberMode = row.mode;
        record.iDecimals = row.decimals;
        record.bDigitGrouping = row.grouping;
        EXPECT_EQ(FormatResult(record), 0);
        EXPECT_NUMBER_TEXT(record.szAnswer, row.answer);
    }
}

TEST(FormatResult, Modes) {
    const Row rows[] = {
        {"0.3", 0, 2, 0, "0.3"},
        {"1234567.891", 0, 2, 0, "1234567.891"},
        {"1.5e15", 0, 2, 0, "1.5e+15"},
        {"999999999999999", 0, 2, 0, "999999999999999"},
        {"0.00015", 0, 2, 0, "0.00015"},
        {"0.000015", 0, 2, 0, "1.5e-05"},
        {"1e09", 0, 2, 0, "1000000000"},
        {"1234.56", 1, 3, 0, "1.235e+03"},
        {"1234.56", 1, 0, 0, "1e+03"},
        {"0.666666666666667", 2, 2, 0, "0.67"},
        {"1.5e20", 2, 2, 0, "150000000000000000000.00"},  // 24 characters: kept
        {"1.5e21", 2, 2, 0, "1.50e+21"},                  // 25 characters: scientific
        {"-1.5e20", 2, 2, 0, "-1.50e+20"},                // 25 with its sign
        {"5", 2, 0, 0, "5"},
        {"-5", 1, 2, 0, "-5.00e+00"},
        {"2", 1, -1, 0, "2.000000e+00"},  // a negative count means 6, as in C
        {"2", 2, -5, 0, "2.000000"},
        {"123", 7, 2, 0, "previous"},  // an unknown mode leaves the answer
    };
    CheckRows(rows, std::size(rows));
}

TEST(FormatResult, DigitGrouping) {
    const Row rows[] = {
        {"-1234.5", 0, 2, 1, "-1 234.5"},
        {"123", 0, 2, 1, "123"},
        {"12.5", 0, 2, 1, "12.5"},
        {"0.0001234", 0, 2, 1, "0.000 123 4"},
        {"1.2345", 0, 2, 1, "1.234 5"},
        {"1.234", 0, 2, 1, "1.234"},
        {"1e20", 0, 2, 1, "1e+20"},
        {"1234567", 0, 2, 1, "1 234 567"},
        {"1234567.1234567", 0, 2, 1, "1 234 567.123 456 7"},
        {"123456789012345000000", 0, 2, 1, "1.234 567 890 123 45e+20"},
        {"1.234567e20", 1, 6, 1, "1.234 567e+20"},
        {"1234.56789", 2, 6, 1, "1 234.567 890"},
        {"-123456", 0, 2, 1, "-123 456"},
        {"123456", 0, 2, 1, "123 456"},
    };
    CheckRows(rows, std::size(rows));
}

TEST(FormatResult, HugeDecimalCountsStayInTheField) {
    for (int decimals : {30, 88, 89, 120, 100000, 2147483647}) {
        for (int mode : {1, 2}) {
            for (int grouping : {0, 1}) {
                SCOPED_TRACE(std::to_string(decimals) + " " + std::to_string(mode) + " " + std::to_string(grouping));
                TaskRecord record = MakeRecord();
                CopyText(record.szResult, "-1.5e-300");
                record.iNumberMode = mode;
                record.iDecimals = decimals;
                record.bDigitGrouping = grouping;
                FormatResult(record);
                const size_t length = std::strlen(record.szAnswer);
                EXPECT_LE(length, kAnswerCapacity);
                // Never cut: the text still ends in the exponent.
                EXPECT_NE(std::string(record.szAnswer).find("e-300"), std::string::npos);
                const size_t digits = std::min(decimals, kMaxDecimals);
                EXPECT_GE(length, digits + 7);
            }
        }
    }
}

TEST(FormatResult, DecimalComma) {
    TaskRecord record = MakeRecord();
    record.bDecimalComma = 1;
    EXPECT_EQ(Calculate(record, "2.5*2"), 0);
    EXPECT_STREQ(record.szTask, "2,5*2");
    EXPECT_STREQ(record.szMaths, "2,5*2");
    EXPECT_STREQ(record.szAnswer, "5");

    record.bDigitGrouping = 1;
    EXPECT_EQ(Calculate(record, "1234.5"), 0);
    EXPECT_STREQ(record.szAnswer, "1 234,5");
    EXPECT_STREQ(record.szResult, "1234.5");  // the raw result keeps its point
}

TEST(ReplaceDecimalPoints, EveryPoint) {
    char text[32] = "1.2.3..";
    EXPECT_EQ(ReplaceDecimalPoints(text, ','), 0);
    EXPECT_STREQ(text, "1,2,3,,");
}

TEST(UpdateAnswer, TellsNumbersFromMessages) {
    struct UpdateRow {
        const char* result;
        const char* answer;
    };
    const UpdateRow rows[] = {
        {"-5", "-5"},
        {"1e09", "1000000000"},  // a number, whatever its second character
        {"1.5e+20", "1.5e+20"},
        {"Incorrect syntax", "Incorrect syntax"},
        {"<Infinite number>", "<Infinite number>"},
        {"<Complex number>", "<Complex number>"},
        {"n! must be from 0 to 170", "n! must be from 0 to 170"},
        {"", ""},
    };
    for (const UpdateRow& row : rows) {
        SCOPED_TRACE(row.result);
        TaskRecord record = MakeRecord();
        CopyText(record.szResult, row.result);
        UpdateAnswer(record);
        EXPECT_NUMBER_TEXT(record.szAnswer, row.answer);
    }
    // The message stays a message in every mode.
    TaskRecord record = MakeRecord();
    record.iNumberMode = kModeFixed;
    CopyText(record.szResult, "n! must be from 0 to 170");
    UpdateAnswer(record);
    EXPECT_STREQ(record.szAnswer, "n! must be from 0 to 170");
}

}  // namespace
