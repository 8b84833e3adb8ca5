// The names and fixed texts of the files the user keeps: what each must be
// to read well and to be found again. The window's own texts are checked in
// the window rules' tests.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "build_config.h"
#include "history_file.h"
#include "settings_text.h"

namespace {

// The settings file has a short name that every file system takes; its
// temporary copy is named after it, in the same folder.
TEST(FixedTexts, FileNames) {
    const std::string name = kSettingsFileName;
    const size_t dot = name.find('.');
    ASSERT_NE(dot, std::string::npos);
    EXPECT_LE(dot, 8u);
    EXPECT_LE(name.size() - dot - 1, 3u);
    EXPECT_EQ(name.find_first_of("/\\:"), std::string::npos);
    EXPECT_EQ(std::string(kSettingsTempFileName).rfind(name, 0), 0u);
    EXPECT_GT(std::strlen(kSettingsTempFileName), name.size());
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
