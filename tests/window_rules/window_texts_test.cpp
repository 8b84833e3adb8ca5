// The texts the user reads in the window's message boxes, print queue and
// file dialogs, and the name Save As proposes.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "build_config.h"
#include "window_texts.h"

namespace {

// Message boxes break lines at CR LF only; a text neither begins nor ends
// with a blank or a line end.
TEST(WindowTexts, LinesEndWithCrLfAndNothingTrails) {
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"print document", kPrintDocumentName},
        {"print caption", kPrintCaption},
        {"nothing to print", kNoPrintDataText},
        {"message caption", kMessageCaption},
        {"settings save failed", kSettingsSaveFailedText},
        {"history save failed", kHistorySaveFailedText},
        {"history default extension", kHistoryDefaultExtension},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = row.text;
        ASSERT_FALSE(text.empty());
        for (size_t i = 0; i < text.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_GE(static_cast<unsigned char>(text[i]), text[i] == '\r' || text[i] == '\n' ? 10u : 32u);
            if (text[i] == '\r') {
                EXPECT_EQ(text[i + 1], '\n');
            }
            if (text[i] == '\n') {
                EXPECT_EQ(text[i - 1], '\r');
            }
        }
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.back(), ' ');
        EXPECT_NE(text.back(), '\n');
    }
}

// Message boxes carry the program's name; the save failures say so first.
TEST(WindowTexts, CaptionsAndFailuresSayWhatAndWho) {
    EXPECT_STREQ(kMessageCaption, ZBL_PRODUCT_NAME);
    for (const char* failure : {kSettingsSaveFailedText, kHistorySaveFailedText}) {
        SCOPED_TRACE(failure);
        EXPECT_EQ(std::strncmp(failure, "ERROR - Save failed !\r\n\r\n", 25), 0);
    }
}

// The file dialogs' filter is pairs of texts ended by an empty one; saved
// histories get the extension that its first filter shows.
TEST(WindowTexts, FileDialogFilter) {
    EXPECT_EQ(kHistoryFileFilter[sizeof kHistoryFileFilter - 2], 0);
    const std::string pattern = std::string("*.") + kHistoryDefaultExtension;
    EXPECT_STREQ(kHistoryFileFilter + std::strlen(kHistoryFileFilter) + 1, pattern.c_str());
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
