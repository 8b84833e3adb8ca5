// The names and texts of the files the user keeps, pinned letter for letter
// once here (the other tests compare against the constants); the window's own
// texts are pinned in the window rules' tests.
#include <gtest/gtest.h>

#include <string>

#include "history_file.h"
#include "settings_text.h"

namespace {

TEST(FixedTexts, AsTheUserSeesThem) {
    struct Row {
        const char* name;
        std::string actual;
        const char* expected;
    };
    const Row rows[] = {
        {"settings file", kSettingsFileName, "zbl.cfg"},
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
