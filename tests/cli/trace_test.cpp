#include <gtest/gtest.h>

#include <string>

#include "task_record.h"
#include "trace.h"

namespace {

TEST(CalculateLine, RefusesWhatTheWindowRefuses) {
    TaskRecord record;
    ResetTaskRecord(record);
    bool refused = false;
    const std::string ok(509, '1');
    CalculateLine(record, ok.data(), ok.size(), refused);
    EXPECT_FALSE(refused);
    EXPECT_EQ(std::string(record.szTask), ok);

    const std::string tooLong(510, '2');
    CalculateLine(record, tooLong.data(), tooLong.size(), refused);
    EXPECT_TRUE(refused);
    EXPECT_EQ(std::string(record.szTask), ok);  // the record is untouched

    const std::string withNul("2+3\0+4", 6);
    EXPECT_EQ(CalculateLine(record, withNul.data(), withNul.size(), refused), 0);
    EXPECT_STREQ(record.szAnswer, "5");  // a NUL ends the task
}

TEST(Trace, JsonStringsEscapeEveryNonPrintableByte) {
    struct Row {
        std::string bytes;
        std::string json;
    };
    const Row rows[] = {
        {"2+3", "\"2+3\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\t\r\x7f", "\"\\u0009\\u000D\\u007F\""},
        {std::string("\0", 1), "\"\\u0000\""},
        {"\xd7\xff", "\"\\u00D7\\u00FF\""},
        {"~ /", "\"~ /\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json);
        std::string out;
        AppendJsonString(out, row.bytes.data(), row.bytes.size());
        EXPECT_EQ(out, row.json);
    }
}

TEST(Trace, ObjectKeysInContractOrder) {
    TaskRecord record;
    ResetTaskRecord(record);
    bool refused = false;
    const int result = CalculateLine(record, "2*3", 3, refused);
    std::string out;
    AppendTraceJson(out, "2*3", 3, record, &result);
    EXPECT_EQ(out,
              "{\"input\":\"2*3\",\"result\":0,\"szTask\":\"2*3\",\"szMaths\":\"2*3\",\"szResult\":\"6\","
              "\"szAnswer\":\"6\",\"szMemory\":\"\",\"iAngleUnit\":0,\"iNumberMode\":0,\"iDecimals\":2,"
              "\"bDigitGrouping\":0,\"bFunctionSeparator\":1,\"bDecimalComma\":0}");

    out.clear();
    AppendTraceJson(out, "x", 1, record, nullptr);
    EXPECT_NE(out.find("\"result\":null,"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 38), ",\"message\":\"Expression is too long !\"}");
}

}  // namespace
