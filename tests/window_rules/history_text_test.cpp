// The history texts: the banner and one entry per calculation, as the window
// inserts them into the history.
#include <gtest/gtest.h>

#include <string>

#include "history_text.h"
#include "task_record.h"
#include "text.h"

namespace {

std::tm MakeTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    when.tm_isdst = -1;
    return when;
}

TEST(Banner, DateAndTimeInTheCLocale) {
    struct Row {
        std::tm when;
        const char* expected;
    };
    const Row rows[] = {
        {MakeTime(2014, 3, 5, 9, 41, 7), "\r\n\t== Zentrabel ==\r\n\tMarch 05, 2014  09:41:07\r\n\r\n"},
        {MakeTime(2026, 12, 31, 23, 59, 59), "\r\n\t== Zentrabel ==\r\n\tDecember 31, 2026  23:59:59\r\n\r\n"},
        {MakeTime(2000, 1, 1, 0, 0, 0), "\r\n\t== Zentrabel ==\r\n\tJanuary 01, 2000  00:00:00\r\n\r\n"},
        {MakeTime(1999, 9, 30, 12, 5, 0), "\r\n\t== Zentrabel ==\r\n\tSeptember 30, 1999  12:05:00\r\n\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        char banner[kBannerCapacity + 1];
        BuildBanner(row.when, banner);
        EXPECT_EQ(std::string(banner), row.expected);
    }
}

struct RecordTexts {
    const char* task;
    const char* maths;
    const char* result;
    const char* answer;
    const char* memory;
};

TaskRecord MakeRecord(const RecordTexts& texts) {
    TaskRecord record;
    ResetTaskRecord(record);
    CopyText(record.szTask, texts.task);
    CopyText(record.szMaths, texts.maths);
    CopyText(record.szResult, texts.result);
    CopyText(record.szAnswer, texts.answer);
    CopyText(record.szMemory, texts.memory);
    return record;
}

TEST(HistoryEntry, KindsOfEntry) {
    struct Row {
        const char* name;
        Outcome outcome;
        RecordTexts current;
        RecordTexts previous;
        bool numbering;
        int numberBefore;
        const char* expected;
        const char* listText;  // nullptr: nothing goes into the list
        int numberAfter;
    };
    const RecordTexts none{"", "", "", "", ""};
    const RecordTexts sum{"2+3", "2+3", "5", "5", ""};
    // Each row: the outcome and the two records, the numbering before, then
    // the text written, what the list gets and the numbering after.
    // clang-format off
    const Row rows[] = {
        {"ordinary", Outcome::kAnswer, sum, none, false, 1, "\r\n2+3 = 5\r\n", "2+3", 1},
        {"ordinary numbered", Outcome::kAnswer, sum, none, true, 3, "\r\n3. \t2+3 = 5\r\n", "2+3", 4},
        {"formula", Outcome::kAnswer, {"2H2O", "2*(1.00794*2+15.9994)", "36.03056", "36.03056", ""}, none,
         false, 1, "\r\n2H2O = 36.03056\r\n", "2H2O", 1},
        {"error recorded like an answer", Outcome::kFailure,
         {"5/0", "5/0", "Cannot divide by zero!", "Cannot divide by zero!", ""}, none,
         false, 1, "\r\n5/0 = Cannot divide by zero!\r\n", "5/0", 1},
        {"command line", Outcome::kCommand, {"#sci", "", "5", "5.00e+00", ""}, none,
         false, 1, "\r\n#sci = 5.00e+00\r\n", "#sci", 1},
        // An empty task uses no number and records nothing but a line end.
        {"empty task", Outcome::kNothing, none, sum, true, 5, "\r\n", nullptr, 5},
        {"quadratic", Outcome::kRoots, {"", "2", "3", "3", ""}, {"x^2-5x+6 = 0", "Quadratic Equation", "2", "2", ""},
         false, 1, "\r\nx^2-5x+6 = 0\r\nx1 = \t2\r\nx2 = \t3\r\n", "x^2-5x+6 = 0", 1},
        {"quadratic numbered", Outcome::kRoots, {"", "2", "3", "3", ""},
         {"x^2-5x+6 = 0", "Quadratic Equation", "2", "2", ""},
         true, 7, "\r\n7. \tx^2-5x+6 = 0\r\nx1 = \t2\r\nx2 = \t3\r\n", "x^2-5x+6 = 0", 8},
        {"complex roots", Outcome::kRoots, {"", "<Complex number>", "<Complex number>", "<Complex number>", ""},
         {"x^2+1 = 0", "Quadratic Equation", "<Complex number>", "<Complex number>", ""},
         false, 1, "\r\nx^2+1 = 0\r\nx1 = \t<Complex number>\r\nx2 = \t<Complex number>\r\n", "x^2+1 = 0", 1},
        // #20 dumps the current record; its number is used up though not shown.
        {"debug dump", Outcome::kDump, {"#20", "", "5", "5", "7"}, sum, true, 2,
         "\r\nszTask     = #20\r\nszMaths = \r\nszResult   = 5\r\nszAnswer  = 5\r\nszMemory  = 7\r\n", "#20", 3},
        {"debug dump unnumbered", Outcome::kDump, {"#20", "m", "r", "a", ""}, none, false, 1,
         "\r\nszTask     = #20\r\nszMaths = m\r\nszResult   = r\r\nszAnswer  = a\r\nszMemory  = \r\n", "#20", 1},
        // The count stops at the largest int rather than overflowing.
        {"largest number", Outcome::kAnswer, sum, none,
         true, 2147483647, "\r\n2147483647. \t2+3 = 5\r\n", "2+3", 2147483647},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TaskRecord current = MakeRecord(row.current);
        TaskRecord previous = MakeRecord(row.previous);
        int number = row.numberBefore;
        HistoryEntry entry;
        BuildHistoryEntry(row.outcome, current, previous, row.numbering, number, entry);
        EXPECT_EQ(std::string(entry.text), row.expected);
        if (row.listText) {
            ASSERT_NE(entry.listText, nullptr);
            EXPECT_STREQ(entry.listText, row.listText);
        } else {
            EXPECT_EQ(entry.listText, nullptr);
        }
        EXPECT_EQ(number, row.numberAfter);
    }
}

// Fills a text field to its capacity with one character.
template <size_t N>
void Fill(char (&field)[N], char c) {
    std::string text(N - 1, c);
    CopyText(field, text.c_str());
}

TEST(HistoryEntry, FullRecordsAreWrittenWhole) {
    TaskRecord current;
    ResetTaskRecord(current);
    Fill(current.szTask, 't');
    Fill(current.szMaths, 'm');
    Fill(current.szResult, 'r');
    Fill(current.szAnswer, 'a');
    Fill(current.szMemory, 'y');
    TaskRecord previous = current;

    struct Row {
        const char* name;
        Outcome outcome;
        bool emptyTask;
        size_t expectedLength;
    };
    const size_t prefix = std::string("\r\n2147483647. \t").size();
    const Row rows[] = {
        {"dump", Outcome::kDump, false, kHistoryEntryCapacity},
        {"ordinary", Outcome::kAnswer, false, prefix + kTaskCapacity + 3 + kAnswerCapacity + 2},
        {"quadratic", Outcome::kRoots, true, prefix + kTaskCapacity + 8 + kAnswerCapacity + 8 + kAnswerCapacity + 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TaskRecord shown = current;
        if (row.emptyTask) shown.szTask[0] = 0;
        int number = 2147483647;
        HistoryEntry entry;
        BuildHistoryEntry(row.outcome, shown, previous, true, number, entry);
        EXPECT_EQ(std::string(entry.text).size(), row.expectedLength);
        EXPECT_EQ(std::string(entry.text).substr(std::string(entry.text).size() - 2), "\r\n");
    }
}

}  // namespace
