#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "task_record.h"
#include "trace.h"

namespace {

std::vector<std::string> ReadLines(const std::string& input, size_t keep, std::vector<size_t>* lengths = nullptr) {
    std::FILE* file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::rewind(file);
    LineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    size_t length = 0;
    while (reader.Next(line, keep, length)) {
        lines.push_back(line);
        if (lengths) lengths->push_back(length);
    }
    std::fclose(file);
    return lines;
}

TEST(LineReader, SplitsAtLineFeeds) {
    struct Row {
        std::string input;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\r\n", {"a\r"}},  // only one CR belongs to the line end
        {"a\rb\n", {"a\rb"}},
        {"\n\n", {"", ""}},
        {"a\r", {"a"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(ReadLines(row.input, static_cast<size_t>(-1)), row.lines);
    }
}

TEST(LineReader, LongLinesAcrossBlocksKeepBoundedMemory) {
    const std::string longLine(200000, '7');
    std::vector<size_t> lengths;
    const auto lines = ReadLines(longLine + "\r\n1+1\n" + longLine + "\r", 600, &lengths);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 600u);
    EXPECT_EQ(lengths[0], 200000u);
    EXPECT_EQ(lines[1], "1+1");
    EXPECT_EQ(lengths[2], 200000u);
}

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
