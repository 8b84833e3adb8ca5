#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "status.h"

namespace {

TEST(StatusTable, CodesAscendUniqueAndMessagesFit) {
    std::set<int> seen;
    for (size_t i = 0; i < kStatusMessageCount; ++i) {
        const StatusMessage& entry = kStatusMessages[i];
        SCOPED_TRACE(entry.code);
        EXPECT_TRUE(seen.insert(entry.code).second);
        if (i > 0) {
            EXPECT_LT(kStatusMessages[i - 1].code, entry.code);
        }
        EXPECT_LE(std::strlen(entry.text), kStatusMessageCapacity);
        EXPECT_GT(std::strlen(entry.text), 0u);
        // The look-up finds every entry.
        char text[kStatusMessageCapacity + 1];
        GetStatusMessage(entry.code, text, sizeof text - 1);
        EXPECT_STREQ(text, entry.text);
    }
}

TEST(StatusTable, MessagesAsWritten) {
    struct Row {
        int code;
        const char* text;
    };
    const Row rows[] = {
        {1001, "Expression is too long"},
        {1007, "No operator after bracket"},
        {1011, "Previous answer isn't number"},
        {1021, "Cannot divide by zero!"},
        {1026, "Logarithm of a negative number"},  // the longest: 30 characters
        {1027, "n! must be from 0 to 170"},
        {1033, "<Complex number>"},
        {1034, "Unknown # command"},
        // Codes without a message of their own.
        {1008, "Unexcepted error"},
        {1010, "Unexcepted error"},
        {1014, "Unexcepted error"},
        {1015, "Unexcepted error"},
        {1020, "Unexcepted error"},
        {1029, "Unexcepted error"},
        {1030, "Unexcepted error"},
        {0, "Unexcepted error"},
        {-1, "Unexcepted error"},
        {99999, "Unexcepted error"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        char text[kStatusMessageCapacity + 1];
        GetStatusMessage(row.code, text, sizeof text - 1);
        EXPECT_STREQ(text, row.text);
    }
}

}  // namespace
