#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "history_file.h"

namespace {

TEST(HistoryFile, Footer) {
    const std::string footer(kHistoryFooter, kHistoryFooterLength);
    EXPECT_EQ(footer, std::string("\r\n=======================\r\nCalculated by Zentrabel\r\n") + kMakerAddress);
    EXPECT_EQ(std::strlen(kHistoryFooter), kHistoryFooterLength);
    EXPECT_GT(std::strlen(kMakerAddress), 0u);
    // The address is the last thing in the file: no line end after it.
    EXPECT_EQ(std::strpbrk(kMakerAddress, "\r\n"), nullptr);
}

// Records what is written; fails from write number `failAt` on (0: never).
struct RecordingWriter {
    std::string written;
    int calls = 0;
    int failAt = 0;

    static bool Write(void* context, const char* bytes, size_t size) {
        auto* self = static_cast<RecordingWriter*>(context);
        if (++self->calls == self->failAt) return false;
        self->written.append(bytes, size);
        return true;
    }
};

TEST(HistoryFile, Content) {
    const std::string footer(kHistoryFooter, kHistoryFooterLength);
    struct Row {
        const char* name;
        std::string history;
        int failAt;
        HistorySave result;
        std::string written;
        int calls;
    };
    const std::string history = "\r\nZentrabel\r\n\r\n2+2 = 4\r\n";
    const Row rows[] = {
        {"empty history: empty file, no footer", "", 0, HistorySave::kEmpty, "", 0},
        {"text then footer", history, 0, HistorySave::kWritten, history + footer, 2},
        {"bytes unchanged", std::string("a\0\xff\r\n", 5), 0, HistorySave::kWritten,
         std::string("a\0\xff\r\n", 5) + footer, 2},
        {"text write fails", history, 1, HistorySave::kFailed, "", 1},
        {"footer write fails", history, 2, HistorySave::kFailed, history, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingWriter writer;
        writer.failAt = row.failAt;
        EXPECT_EQ(WriteHistoryContent(row.history.data(), row.history.size(), RecordingWriter::Write, &writer),
                  row.result);
        EXPECT_EQ(writer.written, row.written);
        EXPECT_EQ(writer.calls, row.calls);
    }
}

struct Replayed {
    std::string text;  // up to the first NUL, as the input line gets it
    size_t length;
    bool cut;
};

std::vector<Replayed> Replay(const std::string& bytes) {
    ReplaySplitter splitter(bytes.data(), bytes.size());
    std::vector<Replayed> lines;
    while (splitter.Next()) {
        lines.push_back({splitter.Line(), splitter.Length(), splitter.WasCut()});
        if (lines.size() > bytes.size() + 1) break;  // a runaway split, not a file
    }
    return lines;
}

std::vector<std::string> Texts(const std::vector<Replayed>& lines) {
    std::vector<std::string> texts;
    for (const Replayed& line : lines) texts.push_back(line.text);
    return texts;
}

TEST(HistoryReplay, SplitsAtCarriageReturns) {
    using Lines = std::vector<std::string>;
    struct Row {
        std::string bytes;
        Lines lines;
    };
    const Row rows[] = {
        {"", {""}},        // an empty file still sends one empty task
        {"1+1", {"1+1"}},  // a last line without a line end is calculated
        {"1+1\r", {"1+1", ""}},
        {"1+1\r\n2+2\r\n", {"1+1", "\n2+2", "\n"}},  // the LF begins each following line
        {"1+1\r\n2+2", {"1+1", "\n2+2"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\nb\n", {"a\nb\n"}},  // a lone LF ends nothing
        {"\r\n\r\n", {"", "\n", "\n"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\r", {"", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.bytes));
        const std::vector<Replayed> lines = Replay(row.bytes);
        EXPECT_EQ(Texts(lines), row.lines);
        for (const Replayed& line : lines) EXPECT_FALSE(line.cut);
    }
}

TEST(HistoryReplay, EmbeddedNulEndsTheText) {
    const std::vector<Replayed> lines = Replay(std::string("a\0b\rc", 5));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "a");
    EXPECT_EQ(lines[0].length, 3u);
    EXPECT_EQ(lines[1].text, "c");
}

TEST(HistoryReplay, LongLinesAreCutAtTheBuffer) {
    constexpr size_t kMax = ReplaySplitter::kReplayLineCapacity;
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<size_t> lengths;
        std::vector<bool> cut;
        std::string last;
    };
    const Row rows[] = {
        {"exactly full", std::string(kMax, 'a') + "\rz", {kMax, 1}, {false, false}, "z"},
        {"one over", std::string(kMax + 1, 'a') + "\rz", {kMax, 1}, {true, false}, "z"},
        {"CR LF after a full line", std::string(kMax, 'a') + "\r\nz", {kMax, 2}, {false, false}, "\nz"},
        // The LF that begins the next line counts toward its length.
        {"LF plus full line", "x\r\n" + std::string(kMax, 'a') + "\r", {1, kMax, 0}, {false, true, false}, ""},
        {"far over, last line", std::string(5000, 'a'), {kMax}, {true}, std::string(kMax, 'a')},
        {"far over, then more", std::string(5000, 'a') + "\r\n1+1", {kMax, 4}, {true, false}, "\n1+1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Replayed> lines = Replay(row.bytes);
        std::vector<size_t> lengths;
        std::vector<bool> cut;
        for (const Replayed& line : lines) {
            lengths.push_back(line.length);
            cut.push_back(line.cut);
            EXPECT_EQ(line.text.size(), line.length);
        }
        EXPECT_EQ(lengths, row.lengths);
        EXPECT_EQ(cut, row.cut);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().text, row.last);
    }
}

TEST(HistoryReplay, SavedHistoryReplaysBannerEntriesAndFooter) {
    const std::string history = "\r\nZentrabel 1.0\r\n\r\n2+2 = 4\r\n\r\nNaCl = 58.44\r\n";
    RecordingWriter file;
    ASSERT_EQ(WriteHistoryContent(history.data(), history.size(), RecordingWriter::Write, &file),
              HistorySave::kWritten);
    const std::vector<std::string> expected = {
        "",
        "\nZentrabel 1.0",
        "\n",
        "\n2+2 = 4",
        "\n",
        "\nNaCl = 58.44",
        "\n",
        "\n=======================",
        "\nCalculated by Zentrabel",
        std::string("\n") + kMakerAddress,
    };
    EXPECT_EQ(Texts(Replay(file.written)), expected);
}

}  // namespace
