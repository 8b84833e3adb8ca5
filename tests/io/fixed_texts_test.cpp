// The texts the user reads in message boxes, file dialogs and print queues:
// what each must be to read well where it is shown. The window tests compare
// what is shown with these constants.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "build_config.h"
#include "history_file.h"
#include "print_layout.h"
#include "settings_text.h"

namespace {

// Message boxes and edit controls break lines at CR LF only; a text neither
// begins nor ends with a blank or a line end.
TEST(FixedTexts, LinesEndWithCrLfAndNothingTrails) {
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
        {"settings file", kSettingsFileName},
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
TEST(FixedTexts, CaptionsAndFailuresSayWhatAndWho) {
    EXPECT_STREQ(kMessageCaption, ZBL_PRODUCT_NAME);
    for (const char* failure : {kSettingsSaveFailedText, kHistorySaveFailedText}) {
        SCOPED_TRACE(failure);
        EXPECT_EQ(std::strncmp(failure, "ERROR - Save failed !\r\n\r\n", 25), 0);
    }
}

// The settings file has a short name that every file system takes; its
// temporary copy is named after it, in the same folder. Saved histories get
// the extension that the dialogs' first filter shows.
TEST(FixedTexts, FileNames) {
    const std::string name = kSettingsFileName;
    const size_t dot = name.find('.');
    ASSERT_NE(dot, std::string::npos);
    EXPECT_LE(dot, 8u);
    EXPECT_LE(name.size() - dot - 1, 3u);
    EXPECT_EQ(name.find_first_of("/\\:"), std::string::npos);
    EXPECT_EQ(std::string(kSettingsTempFileName).rfind(name, 0), 0u);
    EXPECT_GT(std::strlen(kSettingsTempFileName), name.size());

    const std::string pattern = std::string("*.") + kHistoryDefaultExtension;
    EXPECT_STREQ(kHistoryFileFilter + std::strlen(kHistoryFileFilter) + 1, pattern.c_str());
}

// The footer of a saved history: a line end, a rule as long as the credit
// line under it, the credit naming the program, then the maker's address
// with no line end after it.
TEST(FixedTexts, HistoryFooter) {
    const std::string footer = kHistoryFooter;
    EXPECT_EQ(footer.size(), kHistoryFooterLength);
    ASSERT_EQ(footer.rfind("\r\n", 0), 0u);
    const size_t ruleEnd = footer.find("\r\n", 2);
    ASSERT_NE(ruleEnd, std::string::npos);
    const std::string rule = footer.substr(2, ruleEnd - 2);
    EXPECT_EQ(rule.find_first_not_of('='), std::string::npos) << rule;
    const size_t creditEnd = footer.find("\r\n", ruleEnd + 2);
    ASSERT_NE(creditEnd, std::string::npos);
    const std::string credit = footer.substr(ruleEnd + 2, creditEnd - ruleEnd - 2);
    EXPECT_EQ(credit.size(), rule.size());
    EXPECT_NE(credit.find(ZBL_PRODUCT_NAME), std::string::npos) << credit;
    EXPECT_EQ(footer.substr(creditEnd + 2), kMakerAddress);
}

}  // namespace
