// The texts the user reads in message boxes and print queues, pinned letter
// for letter once here (the other tests compare against the constants).
#include <gtest/gtest.h>

#include <string>

#include "history_file.h"
#include "print_layout.h"
#include "settings_text.h"

namespace {

TEST(FixedTexts, AsTheUserSeesThem) {
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
        {"settings file", kSettingsFileName, "zbl.cfg"},
        {"history default extension", kHistoryDefaultExtension, "txt"},
        {"footer head", std::string(kHistoryFooter, 52),
         "\r\n=======================\r\nCalculated by Zentrabel\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
    }
    // The footer ends with the maker's address and no line end after it.
    EXPECT_EQ(std::string(kHistoryFooter), std::string(kHistoryFooter, 52) + kMakerAddress);
}

}  // namespace
