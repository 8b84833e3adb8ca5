// Where Online Help points: a configured address or a page beside the program.
#include <gtest/gtest.h>

#include <string>

#include "help_address.h"

namespace {

TEST(HelpAddress, AddressOrFileBesideTheProgram) {
    struct Row {
        const char* configured;
        const char* program;
        const char* address;
    };
    const Row rows[] = {
        {"help.html", "C:\\Program Files\\Zentrabel\\zentrabel.exe", "C:\\Program Files\\Zentrabel\\help.html"},
        {"help.html", "Z:\\build\\ui/zentrabel.exe", "Z:\\build\\ui/help.html"},
        {"docs\\help.html", "C:\\z\\zentrabel.exe", "C:\\z\\docs\\help.html"},
        {"help.html", "zentrabel.exe", "help.html"},
        {"https://zentrabel.example.org/help/", "C:\\z\\zentrabel.exe", "https://zentrabel.example.org/help/"},
        {"file:///C:/help.html", "C:\\z\\zentrabel.exe", "file:///C:/help.html"},
        {"mailto:help@example.org", "C:\\z\\zentrabel.exe", "mailto:help@example.org"},
        // A drive letter is a path, not a one-letter scheme.
        {"D:\\help.html", "C:\\z\\zentrabel.exe", "D:\\help.html"},
        {"\\\\server\\share\\help.html", "C:\\z\\zentrabel.exe", "\\\\server\\share\\help.html"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.configured);
        char address[260];
        ASSERT_TRUE(ResolveHelpAddress(row.configured, row.program, address, sizeof address - 1));
        EXPECT_STREQ(address, row.address);
    }
}

TEST(HelpAddress, TooLongLeavesNothing) {
    std::string program = "C:\\" + std::string(40, 'x') + "\\zentrabel.exe";
    char address[48];
    EXPECT_FALSE(ResolveHelpAddress("help.html", program.c_str(), address, sizeof address - 1));
    EXPECT_STREQ(address, "");
    EXPECT_TRUE(ResolveHelpAddress("help.html", "C:\\z\\zentrabel.exe", address, sizeof address - 1));
}

}  // namespace
