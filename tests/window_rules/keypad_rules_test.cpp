// The keypad's table, its cells and the captions of inverse mode.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "engine.h"
#include "keypad_rules.h"
#include "layout_rules.h"
#include "resource_ids.h"
#include "task_record.h"
#include "text.h"

namespace {

TEST(KeypadTable, ActionsByControlId) {
    struct Row {
        int firstId;
        int lastId;
        KeyAction action;
    };
    const Row rows[] = {
        {1000, 1000, KeyAction::kToggleInverse},
        {1001, 1009, KeyAction::kInsertName},
        {1010, 1010, KeyAction::kEnclose},
        {1011, 1011, KeyAction::kReciprocal},
        {1012, 1012, KeyAction::kClearOrMemoryClear},
        {1013, 1017, KeyAction::kInsertName},
        {1018, 1018, KeyAction::kMemoryStore},
        {1019, 1023, KeyAction::kInsertName},
        {1024, 1024, KeyAction::kMemoryRecall},
        {1025, 1029, KeyAction::kInsertName},
        {1030, 1030, KeyAction::kMemoryAddOrSubtract},
        {1031, 1033, KeyAction::kInsertName},
        // The hidden cells under the "=" key do nothing.
        {1034, 1035, KeyAction::kNone},
    };
    int covered = 0;
    for (const Row& row : rows) {
        for (int id = row.firstId; id <= row.lastId; ++id) {
            SCOPED_TRACE(id);
            EXPECT_EQ(KeyActionOf(id - IDC_KEY_FIRST), row.action);
            ++covered;
        }
    }
    EXPECT_EQ(covered, kKeypadCells);
    EXPECT_EQ(KeyActionOf(-1), KeyAction::kNone);
    EXPECT_EQ(KeyActionOf(kKeypadCells), KeyAction::kNone);
}

// Six keys a row. The digits stand as on a calculator: 7 8 9 over 4 5 6 over
// 1 2 3, 0 under the 1, each once; the operators of one kind share a column;
// no two keys insert the same name.
TEST(KeypadTable, NamesLaidOutAsOnACalculator) {
    constexpr int kColumns = 6;
    auto cellOf = [](const char* name) {
        int found = -1;
        for (int cell = 0; cell < kKeypadCells; ++cell) {
            if (std::string(kKeypadKeys[cell].name) == name) {
                EXPECT_EQ(found, -1) << name << " twice";
                found = cell;
            }
        }
        EXPECT_NE(found, -1) << name;
        return found;
    };
    const char* const digitRows[4][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"0", ".", "E"}};
    const int seven = cellOf("7");
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            SCOPED_TRACE(digitRows[row][column]);
            EXPECT_EQ(cellOf(digitRows[row][column]), seven + row * kColumns + column);
        }
    }
    const char* const columns[][3] = {{"+", "*", "^"}, {"-", "/", "_"}, {"MR", "MS", "C"}};
    for (const auto& column : columns) {
        SCOPED_TRACE(column[0]);
        const int bottom = cellOf(column[0]);
        EXPECT_EQ(cellOf(column[1]), bottom - kColumns);
        EXPECT_EQ(cellOf(column[2]), bottom - 2 * kColumns);
    }
    std::set<std::string> names;
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        const std::string name = kKeypadKeys[cell].name;
        if (!name.empty()) {
            EXPECT_TRUE(names.insert(name).second) << name;
        }
    }
    // The "=" key covers the last two cells, which insert nothing.
    EXPECT_STREQ(kKeypadKeys[kKeypadCells - 1].name, "");
}

// Every name a key inserts, and every inverse name, is something the engine
// reads when it stands in a small task.
TEST(KeypadTable, InsertedNamesAreUnderstood) {
    struct Row {
        int cell;
        bool inverse;
        const char* before;
        const char* after;
    };
    const Row rows[] = {
        {1, false, "", "(0.5)"}, {2, false, "", "(0.5)"}, {3, false, "", "(0.5)"}, {4, false, "", "(0.5)"},
        {5, false, "2*", ""},    {6, false, "", "(2)"},   {7, false, "", "(2)"},   {8, false, "", "2)"},
        {9, false, "(2", ""},    {13, false, "", ""},     {14, false, "", ""},     {15, false, "", ""},
        {16, false, "2", "3"},   {17, false, "3", "8"},   {19, false, "", ""},     {20, false, "", ""},
        {21, false, "", ""},     {22, false, "2", "3"},   {23, false, "6", "3"},   {25, false, "", ""},
        {26, false, "", ""},     {27, false, "", ""},     {28, false, "2", "3"},   {29, false, "2", "3"},
        {31, false, "", ""},     {32, false, "2", "5"},   {33, false, "2", "3"},   {1, true, "", "(0.5)"},
        {2, true, "", "(0.5)"},  {3, true, "", "(0.5)"},  {4, true, "", "(2)"},    {6, true, "", "(2)"},
        {7, true, "", "(2)"},
    };
    std::set<int> plainCells;
    std::set<int> inverseCells;
    for (const Row& row : rows) {
        std::string task = std::string(row.before) + (row.inverse ? "a" : "") + kKeypadKeys[row.cell].name + row.after;
        SCOPED_TRACE(task);
        (row.inverse ? inverseCells : plainCells).insert(row.cell);
        TaskRecord record;
        ResetTaskRecord(record);
        CopyText(record.szTask, task.c_str());
        EXPECT_NE(CalculateTask(record), -1) << record.szAnswer;
    }
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(plainCells.count(cell) == 1, KeyActionOf(cell) == KeyAction::kInsertName);
        EXPECT_EQ(inverseCells.count(cell) == 1, IsInverseCell(cell));
    }
}

// The keys draw in the keys' own fonts or keep the system's control font.
TEST(KeypadTable, KeyFontsOnly) {
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        SCOPED_TRACE(cell);
        const FontSlot font = kKeypadKeys[cell].font;
        EXPECT_TRUE(font == kNoFont || font == kKeyFont13 || font == kKeyFont12 || font == kKeyFont20) << font;
    }
}

std::string Describe(const Place& place) {
    std::ostringstream text;
    text << "{" << place.x << ", " << place.y << ", " << place.width << ", " << place.height << "}";
    return text.str();
}

TEST(KeypadCells, CornersAsDesigned) {
    struct Row {
        int cell;
        Place place;
    };
    const Row rows[] = {
        {0, {6, 182, 46, 27}},     // the top left function key
        {11, {231, 208, 46, 27}},  // the last function key
        {12, {6, 242, 46, 42}},    // the lower block starts well below the function keys
        {35, {231, 365, 46, 42}},  // the bottom right cell, under the "=" button
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cell);
        EXPECT_EQ(Describe(KeyCell(row.cell)), Describe(row.place));
    }
}

// Six to a row; neighbours in a row or in a block of rows share one border
// pixel; all of it lies inside the main window.
TEST(KeypadCells, GridInsideTheWindow) {
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        SCOPED_TRACE(cell);
        const Place key = KeyCell(cell);
        EXPECT_GE(key.x, 0);
        EXPECT_LE(key.x + key.width, kMainWindowWidth);
        EXPECT_LE(key.y + key.height, kMainWindowFullHeight);
        const int column = cell % kKeypadColumns;
        if (column > 0) {
            const Place left = KeyCell(cell - 1);
            EXPECT_EQ(key.x, left.x + left.width - 1);
            EXPECT_EQ(key.y, left.y);
            EXPECT_EQ(key.height, left.height);
        }
        const int row = cell / kKeypadColumns;
        if (row > 0 && row != 2) {
            const Place above = KeyCell(cell - kKeypadColumns);
            EXPECT_EQ(key.y, above.y + above.height - 1);
            EXPECT_EQ(key.x, above.x);
        }
    }
    EXPECT_GT(KeyCell(2 * kKeypadColumns).y, KeyCell(kKeypadColumns).y + KeyCell(kKeypadColumns).height);
}

// The key refresh repaints the whole cell whatever its row.
TEST(KeypadCells, RefreshCoversTheCell) {
    for (int cell = 0; cell < kKeypadCells; ++cell) {
        SCOPED_TRACE(cell);
        const Place key = KeyCell(cell);
        const Place area = KeyRefreshArea(cell);
        EXPECT_EQ(area.x, key.x);
        EXPECT_EQ(area.y, key.y);
        EXPECT_GT(area.width, key.width);
        EXPECT_GT(area.height, key.height);
    }
}

// The "=" button covers exactly the two hidden cells, which do nothing.
TEST(KeypadCells, EqualsCoversTheHiddenCells) {
    const Place equals = EqualsKeyPlace();
    const Place first = KeyCell(IDC_KEY_HIDDEN_EQUALS - IDC_KEY_FIRST);
    const Place last = KeyCell(IDC_KEY_HIDDEN_BLANK - IDC_KEY_FIRST);
    EXPECT_EQ(last.y, first.y);
    EXPECT_EQ(equals.x, first.x);
    EXPECT_EQ(equals.y, first.y);
    EXPECT_EQ(equals.x + equals.width, last.x + last.width);
    EXPECT_EQ(equals.height, first.height);
    EXPECT_EQ(KeyActionOf(IDC_KEY_HIDDEN_EQUALS - IDC_KEY_FIRST), KeyAction::kNone);
    EXPECT_EQ(KeyActionOf(IDC_KEY_HIDDEN_BLANK - IDC_KEY_FIRST), KeyAction::kNone);
}

TEST(InverseCaptions, PrefixAndThreeCharacters) {
    struct Row {
        char prefix;
        int cell;
        const char* caption;
    };
    // clang-format off
    const Row rows[] = {
        {'a', 1, "asin"}, {'a', 2, "acos"}, {'a', 3, "atan"}, {'a', 4, "acot"}, {'a', 6, "aln"}, {'a', 7, "alog"},
        // Leaving inverse mode leaves a leading space on the captions.
        {' ', 1, " sin"}, {' ', 6, " ln"}, {' ', 7, " log"},
        // "pi" and the other keys are no inverse keys.
        {'a', 5, ""}, {'a', 0, ""}, {'a', 12, ""}, {'a', 30, ""}, {'a', 35, ""}, {'a', -1, ""}, {'a', 36, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cell);
        char caption[kKeyCaptionCapacity + 1];
        BuildInverseCaption(row.prefix, row.cell, caption);
        EXPECT_STREQ(caption, row.caption);
        EXPECT_EQ(IsInverseCell(row.cell), row.caption[0] != 0);
    }
}

}  // namespace
