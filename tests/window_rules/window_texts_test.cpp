// The texts the user reads in the window's message boxes, print queue and
// file dialogs, and the name Save As proposes.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "window_texts.h"

namespace {

// Pinned letter for letter once here; the window's tests compare against the
// constants.
TEST(WindowTexts, AsTheUserSeesThem) {
    struct Row {
        const char* name;
        std::string actual;
        const char* expected;
    };
    const Row rows[] = {
        {"print document", kPrintDocumentName, "Tavrin - Task History"},
        {"print caption", kPrintCaption, "Print History"},
        {"nothing to print", kNoPrintDataText, "No data available to print!"},
        {"message caption", kMessageCaption, "Zentrabel"},
        {"settings save failed", kSettingsSaveFailedText,
         "ERROR - Save failed !\r\n\r\nNot able to save your configuration.\r\n"
         "The destination directory is probably write protected."},
        {"history save failed", kHistorySaveFailedText,
         "ERROR - Save failed !\r\n\r\nThe task history was not saved.\r\n"
         "The file could not be created or written."},
        {"history default extension", kHistoryDefaultExtension, "txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
    }
}

TEST(WindowTexts, FileDialogFilter) {
    const char filter[] = "Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
    ASSERT_EQ(sizeof kHistoryFileFilter, sizeof filter);
    EXPECT_EQ(std::memcmp(kHistoryFileFilter, filter, sizeof filter), 0);
    EXPECT_EQ(kHistoryFileFilter[sizeof kHistoryFileFilter - 2], 0);  // ends with an empty text
}

// The print dialog opens on a range that lies within the pages it allows.
TEST(WindowTexts, PrintDialogRange) {
    EXPECT_LE(kPrintDialogMinPage, kPrintDialogFromPage);
    EXPECT_LE(kPrintDialogFromPage, kPrintDialogToPage);
    EXPECT_LE(kPrintDialogToPage, kPrintDialogMaxPage);
    // The dialog keeps page numbers in 16 bits.
    EXPECT_LE(kPrintDialogMaxPage, 0xFFFF);
    EXPECT_GE(kPrintDialogCopies, 1);
}

TEST(HistoryName, DayMonthYear) {
    struct Row {
        int day, month, year;
        const char* name;
    };
    const Row rows[] = {
        {24, 8, 2013, "zbl_24082013"},
        {1, 1, 2000, "zbl_01012000"},
        {31, 12, 1999, "zbl_31121999"},
        {5, 10, 987, "zbl_05100987"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::tm date{};
        date.tm_mday = row.day;
        date.tm_mon = row.month - 1;
        date.tm_year = row.year - 1900;
        char name[kHistoryFileNameCapacity + 1];
        EXPECT_EQ(WriteProposedHistoryName(date, name, kHistoryFileNameCapacity), std::strlen(row.name));
        EXPECT_STREQ(name, row.name);
    }
}

// Every day of two years (a leap year among them) against the C library's "zbl_%d%m%Y".
TEST(HistoryName, AgreesWithStrftime) {
    for (int day = 0; day < 731; ++day) {
        std::tm date{};
        date.tm_year = 2023 - 1900;
        date.tm_mday = 1 + day;
        date.tm_hour = 12;
        std::mktime(&date);
        char expected[64];
        ASSERT_GT(std::strftime(expected, sizeof expected, "zbl_%d%m%Y", &date), 0u);
        char name[kHistoryFileNameCapacity + 1];
        WriteProposedHistoryName(date, name, kHistoryFileNameCapacity);
        ASSERT_STREQ(name, expected) << day;
    }
}

TEST(HistoryName, TooSmallBufferGivesNothing) {
    std::tm date{};
    date.tm_mday = 24;
    date.tm_mon = 7;
    date.tm_year = 113;
    for (size_t capacity : {0u, 4u, 11u}) {
        SCOPED_TRACE(capacity);
        char name[16];
        std::memset(name, 'x', sizeof name);
        EXPECT_EQ(WriteProposedHistoryName(date, name, capacity), 0u);
        EXPECT_STREQ(name, "");
        for (size_t i = capacity + 1; i < sizeof name; ++i) ASSERT_EQ(name[i], 'x') << i;
    }
}

}  // namespace
