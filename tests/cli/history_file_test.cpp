#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "history_file.h"
#include "task_record.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed afterwards.
class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("zbl_history_") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string In(const std::string& name) const { return (folder_ / name).string(); }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    fs::path folder_;
};

TEST(HistoryPath, FollowsTheStateFolderRules) {
    struct Row {
        const char* stateHome;
        const char* home;
        std::string path;
    };
    const Row rows[] = {
        {"/st", "/hm", "/st/zentrabel/history"},
        {nullptr, "/hm", "/hm/.local/state/zentrabel/history"},
        {"", "/hm", "/hm/.local/state/zentrabel/history"},
        {"st", "/hm", "/hm/.local/state/zentrabel/history"},  // a relative XDG_STATE_HOME is ignored
        {"/st", nullptr, "/st/zentrabel/history"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.stateHome ? row.stateHome : "(unset)") + " " + (row.home ? row.home : "(unset)"));
        EXPECT_EQ(HistoryPath(row.stateHome, row.home), row.path);
    }
}

TEST(IsHistoryLine, KeepsWhatCanBeATaskOnOneLine) {
    struct Row {
        std::string line;
        bool kept;
    };
    const Row rows[] = {
        {"2+3", true},
        {"", false},
        {std::string(kInputLineCapacity, '1'), true},
        {std::string(kInputLineCapacity + 1, '1'), false},  // refused as a task
        {"2+3\n4", false},
        {"2+3\r", false},
        {"CuSO4\xb7"
         "5H2O",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line.substr(0, 20));
        EXPECT_EQ(IsHistoryLine(row.line), row.kept);
    }
}

TEST_F(HistoryFileTest, OpenReadsTheLastLinesAndSkipsWhatIsNoTask) {
    const std::string path = In("history");
    Write(path, "1\n\n2\r\n" + std::string(kInputLineCapacity + 1, '9') + "\n3\n4\n5");
    HistoryFile history(path, 3);
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(history.Open(lines, error)) << error;
    EXPECT_EQ(lines, (std::vector<std::string>{"3", "4", "5"}));

    HistoryFile wide(path, 10);
    ASSERT_TRUE(wide.Open(lines, error)) << error;
    EXPECT_EQ(lines, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST_F(HistoryFileTest, SaveAddsToWhatOtherSessionsSavedAndStaysBounded) {
    const std::string path = In("history");
    Write(path, "a\nb\n");
    HistoryFile history(path, 4);
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(history.Open(lines, error)) << error;
    Write(path, "a\nb\nc\n");  // another session ended meanwhile
    history.Add("d");
    history.Add("");                                        // not kept
    history.Add(std::string(kInputLineCapacity + 1, '7'));  // not kept
    history.Add("e");
    ASSERT_TRUE(history.Save(error)) << error;
    EXPECT_EQ(Read(path), "b\nc\nd\ne\n");
#ifndef _WIN32
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif
}

TEST_F(HistoryFileTest, ASessionWithNothingTypedLeavesTheFileAlone) {
    const std::string path = In("history");
    Write(path, "x\ny");  // no final line feed: as someone edited it
    HistoryFile history(path);
    std::vector<std::string> lines;
    std::string error;
    ASSERT_TRUE(history.Open(lines, error)) << error;
    EXPECT_EQ(lines, (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(history.Save(error));
    EXPECT_EQ(Read(path), "x\ny");
}

TEST_F(HistoryFileTest, AHistoryThatCannotBeReadIsNotOverwritten) {
    const std::string path = In("history");
    fs::create_directories(path);  // unreadable as a file, for root too
    fs::create_directories(In("history/keep"));
    HistoryFile history(path);
    std::vector<std::string> lines;
    std::string error;
    EXPECT_FALSE(history.Open(lines, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
    history.Add("1+1");
    EXPECT_TRUE(history.Save(error));
    EXPECT_TRUE(fs::is_directory(In("history/keep")));
}

}  // namespace
