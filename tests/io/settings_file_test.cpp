#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings_file.h"
#include "settings_text.h"
#include "task_record.h"

namespace fs = std::filesystem;

namespace {

// A fresh directory per test, removed afterwards.
class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("zbl_io_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

// The C library's rename refuses an existing target on Windows; a test
// stand-in for the platform's one-step replacement.
bool RemoveThenRename(const char* from, const char* to) {
    std::remove(to);
    return std::rename(from, to) == 0;
}

bool RefuseToReplace(const char*, const char*) { return false; }

void CollectLine(const char* line, void* context) {
    static_cast<std::vector<std::string>*>(context)->emplace_back(line);
}

TEST_F(SettingsFile, ReadingHandsOverCommandLinesInOrder) {
    struct Row {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", {}},
        {"= T =\r\n#deg\r\n\r\r\n#fix 4 = c\r\n#sci", {"#deg", "#fix 4 = c"}},
        {std::string("#a\x1a\r\n#b\n", 9), {"#a\x1a", "#b"}},  // bytes read in binary mode, Ctrl+Z included
    };
    const std::string path = Path("zbl.cfg");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.bytes));
        Put(path, row.bytes);
        std::vector<std::string> lines;
        EXPECT_TRUE(ReadSettingsCommands(path.c_str(), CollectLine, &lines));
        EXPECT_EQ(lines, row.lines);
    }
}

TEST_F(SettingsFile, MissingFileIsNoError) {
    std::vector<std::string> lines;
    EXPECT_FALSE(ReadSettingsCommands(Path("absent.cfg").c_str(), CollectLine, &lines));
    EXPECT_TRUE(lines.empty());
}

TEST_F(SettingsFile, SavingReplacesOnlyWhenEverythingSucceeded) {
    struct Row {
        const char* name;
        bool oldFile;
        const char* tempName;  // in a missing folder: the new file cannot be created
        ReplaceFileFn replace;
        bool saved;
    };
    const Row rows[] = {
        {"new file", false, "zbl.cfg.new", RemoveThenRename, true},
        {"over an old file", true, "zbl.cfg.new", RemoveThenRename, true},
        {"cannot create", true, "missing/zbl.cfg.new", RemoveThenRename, false},
        {"cannot create, no old file", false, "missing/zbl.cfg.new", RemoveThenRename, false},
        {"cannot replace", true, "zbl.cfg.new", RefuseToReplace, false},
    };
    const std::string bytes = "#deg\r\n\r\r\n#fix\r\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Path("zbl.cfg");
        const std::string temp = Path(row.tempName);
        fs::remove(path);
        if (row.oldFile) Put(path, "old settings");
        EXPECT_EQ(SaveFileReplacing(path.c_str(), temp.c_str(), bytes.data(), bytes.size(), row.replace), row.saved);
        EXPECT_FALSE(fs::exists(temp));
        if (row.saved) {
            EXPECT_EQ(Get(path), bytes);
        } else if (row.oldFile) {
            EXPECT_EQ(Get(path), "old settings");
        } else {
            EXPECT_FALSE(fs::exists(path));
        }
    }
}

// A disk that fills up while the new file is written: the file opens, the
// bytes go into the stream's buffer, and the flush fails. Where the system
// has such a device, the temporary file is a link to it.
TEST_F(SettingsFile, FullDiskKeepsTheOldSettings) {
    const fs::path full = "/dev/full";
    if (!fs::exists(full)) GTEST_SKIP() << "no device that is always full";
    const std::string path = Path("zbl.cfg");
    const std::string temp = Path("zbl.cfg.new");
    Put(path, "old settings");
    fs::create_symlink(full, temp);
    const std::string bytes = "#deg\r\n";
    EXPECT_FALSE(SaveFileReplacing(path.c_str(), temp.c_str(), bytes.data(), bytes.size(), RemoveThenRename));
    EXPECT_EQ(Get(path), "old settings");
    EXPECT_FALSE(fs::is_symlink(temp));  // the link was removed, not what it points to
    EXPECT_TRUE(fs::exists(full));
}

TEST_F(SettingsFile, SavedSettingsReadBack) {
    TaskRecord record;
    ResetTaskRecord(record);
    record.iAngleUnit = kGrads;
    record.iDecimals = 7;
    const ViewFlags view{0, 1, 0, 1};
    const std::string path = Path("zbl.cfg");
    ASSERT_TRUE(SaveSettingsFile(path.c_str(), Path("zbl.cfg.new").c_str(), record, view, RemoveThenRename));

    char text[kSettingsTextCapacity + 1];
    const size_t n = WriteSettingsText(record, view, text, kSettingsTextCapacity);
    EXPECT_EQ(Get(path), std::string(text, n));

    std::vector<std::string> lines;
    ASSERT_TRUE(ReadSettingsCommands(path.c_str(), CollectLine, &lines));
    const std::vector<std::string> expected = {
        "#502   = Always on top",
        "#504   = Task numbering",
        "#grad   = Set angle unit to grads",
        "#auto  = Automatic mode for displaying numbers",
        "#dec 7 = Round number to 7 decimal places",
        "#dig 0 = Use space as thousands separator (0 = OFF, 1 = ON)",
        "#fun 1 = Use colon (:) as function separator (0 = OFF, 1 = ON)",
        "#dot   = Use dot (.) as decimal separator",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
