#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "engine.h"
#include "settings_text.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

TaskRecord DefaultRecord() {
    TaskRecord record;
    ResetTaskRecord(record);
    return record;
}

std::string SettingsText(const TaskRecord& record, const ViewFlags& view) {
    char text[kSettingsTextCapacity + 1];
    const size_t n = WriteSettingsText(record, view, text, kSettingsTextCapacity);
    EXPECT_EQ(n, std::strlen(text));
    return std::string(text, n);
}

// The file as it must lie on disk, around the lines that vary.
std::string ExpectedFile(const std::string& viewLines, const std::string& angle, const std::string& numbers) {
    return "==============================\r\n"
           "= CONFIGURATION FILE FOR ZBL =\r\n"
           "==============================\r\n"
           "\r\r\n= CHANGES THE APPERANCE OF THE CALCULATOR =\r\n" +
           viewLines + "\r\r\n= CHANGES THE UNIT OF ANGLE MEASUREMENT =\r\n" + angle +
           "\r\r\n= CHANGES THE DISPLAYED NUMBER FORMATS =\r\n" + numbers +
           "\r\r\n= END OF CONFIGURATION FILE  =\r\n"
           "==============================\r\n";
}

const char kDefaultNumbers[] =
    "#auto  = Automatic mode for displaying numbers\r\n"
    "#dec 2 = Round number to 2 decimal places\r\n"
    "#dig 0 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
    "#fun 1 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
    "#dot   = Use dot (.) as decimal separator\r\n";

const char kRadiansLine[] = "#rad   = Set angle unit to radians\r\n";

TEST(SettingsText, DefaultsByteForByte) {
    const std::string expected =
        "==============================\r\n"
        "= CONFIGURATION FILE FOR ZBL =\r\n"
        "==============================\r\n"
        "\r\r\n"
        "= CHANGES THE APPERANCE OF THE CALCULATOR =\r\n"
        "\r\r\n"
        "= CHANGES THE UNIT OF ANGLE MEASUREMENT =\r\n"
        "#rad   = Set angle unit to radians\r\n"
        "\r\r\n"
        "= CHANGES THE DISPLAYED NUMBER FORMATS =\r\n"
        "#auto  = Automatic mode for displaying numbers\r\n"
        "#dec 2 = Round number to 2 decimal places\r\n"
        "#dig 0 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
        "#fun 1 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
        "#dot   = Use dot (.) as decimal separator\r\n"
        "\r\r\n"
        "= END OF CONFIGURATION FILE  =\r\n"
        "==============================\r\n";
    EXPECT_EQ(SettingsText(DefaultRecord(), ViewFlags{}), expected);
}

TEST(SettingsText, LinesFollowTheSettings) {
    struct Row {
        const char* name;
        TaskRecord record;
        ViewFlags view;
        std::string viewLines;
        std::string angle;
        std::string numbers;
    };
    auto with = [](auto change) {
        TaskRecord r = DefaultRecord();
        change(r);
        return r;
    };
    const TaskRecord defaults = DefaultRecord();
    const std::string allViews =
        "#501   = Show display only\r\n#502   = Always on top\r\n#503   = View history\r\n#504   = Task numbering\r\n";
    const Row rows[] = {
        {"all views", defaults, {1, 1, 1, 1}, allViews, kRadiansLine, kDefaultNumbers},
        {"history only", defaults, {0, 0, 1, 0}, "#503   = View history\r\n", kRadiansLine, kDefaultNumbers},
        // Any non-zero flag counts as set.
        {"flag 7", defaults, {0, 7, 0, 0}, "#502   = Always on top\r\n", kRadiansLine, kDefaultNumbers},
        {"degrees",
         with([](TaskRecord& r) { r.iAngleUnit = kDegrees; }),
         {},
         "",
         "#deg   = Set angle unit to degrees\r\n",
         kDefaultNumbers},
        {"grads",
         with([](TaskRecord& r) { r.iAngleUnit = kGrads; }),
         {},
         "",
         "#grad   = Set angle unit to grads\r\n",
         kDefaultNumbers},
        {"angle 5", with([](TaskRecord& r) { r.iAngleUnit = 5; }), {}, "", kRadiansLine, kDefaultNumbers},
        {"angle -1", with([](TaskRecord& r) { r.iAngleUnit = -1; }), {}, "", kRadiansLine, kDefaultNumbers},
        {"scientific 0 places, grouping, no separator, comma",
         with([](TaskRecord& r) {
             r.iNumberMode = kModeScientific;
             r.iDecimals = 0;
             r.bDigitGrouping = 1;
             r.bFunctionSeparator = 0;
             r.bDecimalComma = 1;
         }),
         {},
         "",
         kRadiansLine,
         "#sci   = Scientific mode for displaying numbers\r\n"
         "#dec 0 = Round number to 0 decimal places\r\n"
         "#dig 1 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
         "#fun 0 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
         "#comma = Use comma (,) as decimal separator\r\n"},
        {"fixed 15",
         with([](TaskRecord& r) {
             r.iNumberMode = kModeFixed;
             r.iDecimals = 15;
         }),
         {},
         "",
         kRadiansLine,
         "#fix   = Fixed mode for displaying numbers\r\n"
         "#dec 15 = Round number to 15 decimal places\r\n"
         "#dig 0 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
         "#fun 1 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
         "#dot   = Use dot (.) as decimal separator\r\n"},
        // Flags and decimals are written as their values, whatever they are.
        {"odd values",
         with([](TaskRecord& r) {
             r.iNumberMode = 3;
             r.iDecimals = INT_MIN;
             r.bDigitGrouping = -7;
             r.bFunctionSeparator = INT_MAX;
             r.bDecimalComma = 2;  // only 1 selects the comma
         }),
         {},
         "",
         kRadiansLine,
         "#auto  = Automatic mode for displaying numbers\r\n"
         "#dec -2147483648 = Round number to -2147483648 decimal places\r\n"
         "#dig -7 = Use space as thousands separator (0 = OFF, 1 = ON)\r\n"
         "#fun 2147483647 = Use colon (:) as function separator (0 = OFF, 1 = ON)\r\n"
         "#dot   = Use dot (.) as decimal separator\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SettingsText(row.record, row.view), ExpectedFile(row.viewLines, row.angle, row.numbers));
    }
}

TEST(SettingsText, NeverWritesPastTheCapacity) {
    const TaskRecord record = DefaultRecord();
    const std::string whole = SettingsText(record, ViewFlags{});
    struct Row {
        size_t capacity;
        size_t expected;
    };
    const Row rows[] = {{whole.size(), whole.size()}, {whole.size() - 1, 0}, {10, 0}, {0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.capacity);
        std::vector<char> buffer(whole.size() + 16, 'x');
        EXPECT_EQ(WriteSettingsText(record, ViewFlags{}, buffer.data(), row.capacity), row.expected);
        EXPECT_EQ(std::string(buffer.data()), row.expected ? whole : "");
        for (size_t i = row.capacity + 1; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 'x') << i;
    }

    TaskRecord widest = DefaultRecord();
    widest.iAngleUnit = kGrads;
    widest.iNumberMode = kModeScientific;
    widest.iDecimals = widest.bDigitGrouping = widest.bFunctionSeparator = widest.bDecimalComma = INT_MIN;
    char text[kSettingsTextCapacity + 1];
    EXPECT_GT(WriteSettingsText(widest, ViewFlags{1, 1, 1, 1}, text, kSettingsTextCapacity), 0u);
}

std::vector<std::string> CommandLines(const std::string& bytes) {
    SettingsLineCollector collector;
    std::vector<std::string> lines;
    for (char c : bytes) {
        if (collector.Take(c)) lines.emplace_back(collector.Line());
    }
    return lines;
}

TEST(SettingsReading, CommandLines) {
    using Lines = std::vector<std::string>;
    struct Row {
        std::string bytes;
        Lines lines;
    };
    const std::string tail508(508, 'x');
    const Row rows[] = {
        {"", {}},
        {"\n", {}},
        {"#deg\n", {"#deg"}},
        {"#deg\r\n", {"#deg"}},
        {"#deg", {}},  // a last line without a line feed is not run
        {"#deg\r\n#sci", {"#deg"}},
        {"#deg\r\n#sci\r", {"#deg"}},
        {"= TITLE =\r\n#dig 1 = comment\r\n", {"#dig 1 = comment"}},
        {" #deg\n", {}},               // only a "#" in the first place counts
        {"\r\r\n#deg\r\n", {"#deg"}},  // the single-CR line before a title
        {"#a\r\r\n", {"#a\r"}},        // one CR belongs to the line end, not two
        {"#a\rb\n", {"#a\rb"}},
        {"\n\n#\n\n", {"#"}},
        {"#5\n\r\n#6\n", {"#5", "#6"}},
        {std::string("#a\0b\n#c\n", 8), {"#a", "#c"}},          // the task ends at the NUL
        {"#" + tail508 + "\r\n#ok\n", {"#" + tail508, "#ok"}},  // 509 characters: as many as the input line takes
        {"#" + tail508 + "\n", {"#" + tail508}},
        {"#" + tail508 + "y\r\n#ok\n", {"#ok"}},  // 510 characters: skipped whole
        {"#" + tail508 + "y\n#ok\n", {"#ok"}},
        {"#" + std::string(5000, 'z') + "\n#ok\n", {"#ok"}},
        {"#" + tail508 + "\r\r\n#ok\n", {"#ok"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.bytes.substr(0, 40)));
        EXPECT_EQ(CommandLines(row.bytes), row.lines);
    }
}

// Runs every command line of `bytes` on `record` as the start-up reader does
// and returns what CalculateTask handed back for each.
std::vector<int> RunSettings(const std::string& bytes, TaskRecord& record) {
    std::vector<int> results;
    for (const std::string& line : CommandLines(bytes)) {
        CopyText(record.szTask, line.c_str());
        results.push_back(CalculateTask(record));
    }
    return results;
}

// What a saved file gives back when read: every setting (over other settings
// too, since all six are written) and the view numbers in file order.
TEST(SettingsReading, WrittenSettingsComeBack) {
    struct Row {
        SixSettings settings;
        ViewFlags view;
        std::vector<int> views;
    };
    const Row rows[] = {
        {{kRadians, kModeAutomatic, 2, 0, 1, 0}, {}, {}},
        {{kDegrees, kModeFixed, 4, 1, 0, 1}, {}, {}},
        {{kGrads, kModeScientific, 0, 0, 0, 0},
         {1, 1, 1, 1},
         {kViewDisplayOnly, kViewAlwaysOnTop, kViewHistory, kViewTaskNumbering}},
        {{kDegrees, kModeAutomatic, 15, 1, 1, 1}, {0, 0, 1, 1}, {kViewHistory, kViewTaskNumbering}},
    };
    for (const Row& row : rows) {
        const SixSettings& s = row.settings;
        SCOPED_TRACE(testing::Message() << s.angle << s.mode << s.decimals << s.grouping << s.separator << s.comma
                                        << " views " << row.views.size());
        TaskRecord saved = DefaultRecord();
        SetSettings(saved, s);
        const std::string file = SettingsText(saved, row.view);

        TaskRecord other = DefaultRecord();
        SetSettings(other, {3 - s.angle, 3 - s.mode, 9, 1 - s.grouping, 1 - s.separator, 1 - s.comma});
        std::vector<int> expected = row.views;
        expected.insert(expected.end(), 6, kKindCommand);
        EXPECT_EQ(RunSettings(file, other), expected);
        ExpectSettings(other, s);
    }
}

TEST(SettingsReading, HandWrittenFiles) {
    struct Row {
        const char* bytes;
        std::vector<int> results;
        int32_t angle;
    };
    const Row rows[] = {
        {"#505\r\n", {kViewClearHistory}, kRadians},
        // A rejected line changes nothing and the next one still runs.
        {"#xyz\r\n#deg\r\n", {-1, kKindCommand}, kDegrees},
        {"#deg\r\n#grad", {kKindCommand}, kDegrees},
        {"#  g r a d   = spaced\n", {kKindCommand}, kGrads},
        {"deg\n#\n", {-1}, kRadians},  // "deg" is no command line; a lone "#" is an unknown one
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes);
        TaskRecord record = DefaultRecord();
        EXPECT_EQ(RunSettings(row.bytes, record), row.results);
        EXPECT_EQ(record.iAngleUnit, row.angle);
    }
}

}  // namespace
