#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli_support.h"
#include "console_settings.h"
#include "settings_text.h"
#include "task_record.h"

namespace {

TaskRecord Settings(int angle, int mode, int decimals, int grouping, int separator, int comma) {
    TaskRecord record;
    ResetTaskRecord(record);
    record.iAngleUnit = angle;
    record.iNumberMode = mode;
    record.iDecimals = decimals;
    record.bDigitGrouping = grouping;
    record.bFunctionSeparator = separator;
    record.bDecimalComma = comma;
    return record;
}

TaskRecord Loaded(const std::string& text) {
    TaskRecord record;
    ResetTaskRecord(record);
    std::string problem;
    EXPECT_TRUE(ApplySettingsText(text, record, problem)) << problem;
    return record;
}

TEST(ConsoleSettings, MergeRewritesOnlyWhatChanged) {
    struct Row {
        const char* name;
        std::string file;
        TaskRecord now;
        std::string merged;
    };
    const TaskRecord defaults = Settings(kRadians, kModeAutomatic, 2, 0, 1, 0);
    const Row rows[] = {
        {"unchanged file stays byte for byte", "#deg = mine\n= a note =\n", Settings(kDegrees, 0, 2, 0, 1, 0),
         "#deg = mine\n= a note =\n"},
        {"the line of a changed setting is rewritten in place", "#503\n#deg = mine\n= a note =\n", defaults,
         "#503\n#rad   = Set angle unit to radians\n= a note =\n"},
        {"a setting the file lacks is added at the end", "= only a note =\n", Settings(0, 0, 2, 1, 1, 0),
         "= only a note =\n#dig 1 = Use space as thousands separator (0 = OFF, 1 = ON)\n"},
        // #fix 4 also sets the decimals: a new mode goes after it, not over it.
        {"a line that sets two settings stays", "#fix 4\r\n#501\r\n", Settings(0, kModeScientific, 4, 0, 1, 0),
         "#fix 4\r\n#sci   = Scientific mode for displaying numbers\r\n#501\r\n"},
        {"no file gives the window's whole file", "", Settings(kGrads, 0, 2, 0, 1, 0), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string merged = MergeSettingsText(row.file, row.now);
        if (!row.merged.empty()) {
            EXPECT_EQ(merged, row.merged);
        }
        EXPECT_EQ(DifferentSettings(Loaded(merged), row.now), 0u);
    }
    char whole[kSettingsTextCapacity + 1];
    WriteSettingsText(Settings(kGrads, 0, 2, 0, 1, 0), ViewFlags{}, whole, kSettingsTextCapacity);
    EXPECT_EQ(MergeSettingsText("", Settings(kGrads, 0, 2, 0, 1, 0)), whole);
}

// Whatever the file and the new settings: the merged file gives exactly the
// new settings, and every line that sets nothing is still there, in order.
TEST(ConsoleSettings, MergedFileGivesTheSettingsAndKeepsTheOtherLines) {
    char window[kSettingsTextCapacity + 1];
    ViewFlags view;
    view.bHistoryVisible = 1;
    view.bTaskNumbering = 1;
    WriteSettingsText(Settings(kDegrees, kModeFixed, 4, 1, 1, 1), view, window, kSettingsTextCapacity);
    const std::string files[] = {
        window,
        "#fix 7 = seven\n#sci\n= heading =\n#dig 1\n#dec 3\n#dig 0\n",
        "#505\n#grad\n#grad\n#comma\n#dot\n#fun 0\n#502",
        "no settings at all\n",
    };
    std::mt19937 random(7);
    for (const std::string& file : files) {
        for (int round = 0; round < 50; ++round) {
            const TaskRecord now = Settings(static_cast<int>(random() % 3), static_cast<int>(random() % 3),
                                            static_cast<int>(random() % 16), static_cast<int>(random() % 2),
                                            static_cast<int>(random() % 2), static_cast<int>(random() % 2));
            const std::string merged = MergeSettingsText(file, now);
            SCOPED_TRACE(file + "\n--- became ---\n" + merged);
            ASSERT_EQ(DifferentSettings(Loaded(merged), now), 0u);
            const auto mergedLines = Lines(merged);
            size_t at = 0;
            for (std::string line : Lines(file)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty() && line[0] == '#' && line[1] != '5') continue;  // a setting may be rewritten
                while (at < mergedLines.size() && mergedLines[at] != line && mergedLines[at] != line + "\r") ++at;
                ASSERT_LT(at, mergedLines.size()) << "lost: " << line;
            }
        }
    }
}

TEST(ConsoleSettings, DamagedFilesAreNamedNotRun) {
    struct Row {
        std::string text;
        bool ok;
    };
    const Row rows[] = {
        {"#deg\n#fix 3\n", true},
        {"no command lines here\n\n", true},
        {"#deg\n#xyz\n", false},                      // an unknown command
        {std::string("#deg\n\0\x01\x02", 8), false},  // no text
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TaskRecord record;
        ResetTaskRecord(record);
        std::string problem;
        EXPECT_EQ(ApplySettingsText(row.text, record, problem), row.ok);
        EXPECT_EQ(problem.empty(), row.ok);
    }
}

}  // namespace
