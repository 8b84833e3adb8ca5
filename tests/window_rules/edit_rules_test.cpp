// The input line's editing rules: Copy's choice, Delete's range, and the
// bracket edits of Enclose and the reciprocal key.
#include <gtest/gtest.h>

#include <string>

#include "edit_rules.h"

namespace {

TEST(CopyRule, AnswerOnlyForAnEmptySelectionAtTheStart) {
    struct Row {
        Selection selection;
        bool answer;
    };
    const Row rows[] = {
        {{0, 0}, true},
        // An empty selection elsewhere copies nothing, not the answer.
        {{3, 3}, false},
        {{0, 3}, false},
        {{1, 2}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.selection.start << "-" << row.selection.end);
        EXPECT_EQ(CopyTakesAnswer(row.selection), row.answer);
    }
}

TEST(CopyRule, EnabledForASelectionOrAnAnswerToCopy) {
    struct Row {
        Selection selection;
        bool haveAnswer;
        bool enabled;
    };
    const Row rows[] = {
        {{1, 3}, false, true},
        {{1, 3}, true, true},
        {{0, 0}, true, true},
        {{0, 0}, false, false},
        // Nothing selected elsewhere: Copy would copy nothing.
        {{2, 2}, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.selection.start << "-" << row.selection.end << " " << row.haveAnswer);
        EXPECT_EQ(CopyEnabled(row.selection, row.haveAnswer), row.enabled);
    }
}

TEST(DeleteRule, SelectionOrCharacterBeforeCaret) {
    struct Row {
        Selection selection;
        bool deletes;
        Selection range;
    };
    const Row rows[] = {
        {{0, 0}, false, {0, 0}}, {{3, 3}, true, {2, 3}}, {{1, 1}, true, {0, 1}},
        {{1, 4}, true, {1, 4}},  {{0, 2}, true, {0, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.selection.start << "-" << row.selection.end);
        Selection range{99, 99};
        EXPECT_EQ(DeletedRange(row.selection, range), row.deletes);
        if (!row.deletes) continue;
        EXPECT_EQ(range.start, row.range.start);
        EXPECT_EQ(range.end, row.range.end);
    }
}

struct WrapRow {
    const char* input;
    Selection selection;
    const char* result;
    WrapEdit::Kind kind;
    const char* text;
};

void ExpectEdit(const WrapEdit& edit, const WrapRow& row) {
    EXPECT_EQ(edit.kind, row.kind);
    EXPECT_EQ(edit.text, row.text);
}

TEST(EncloseRule, SelectionOrWholeText) {
    const WrapRow rows[] = {
        {"2+3", {3, 3}, "", WrapEdit::kReplaceAll, "(2+3)"},
        {"2+3", {2, 3}, "", WrapEdit::kReplaceSelection, "(3)"},
        {"2+3", {0, 3}, "", WrapEdit::kReplaceSelection, "(2+3)"},
        // The caret at the start with nothing selected: nothing happens.
        {"2+3", {0, 0}, "", WrapEdit::kNothing, ""},
        {"", {0, 0}, "", WrapEdit::kNothing, ""},
        {"2+3", {1, 1}, "", WrapEdit::kReplaceAll, "(2+3)"},
        // A selection reported past the end is read up to the end.
        {"2+3", {2, 9}, "", WrapEdit::kReplaceSelection, "(3)"},
    };
    for (const WrapRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.input << " " << row.selection.start << "-" << row.selection.end);
        ExpectEdit(EncloseEdit(row.input, row.selection), row);
    }
}

TEST(EncloseRule, LongTextIsNeverCut) {
    std::string input(700, '7');
    WrapEdit edit = EncloseEdit(input, {700, 700});
    EXPECT_EQ(edit.kind, WrapEdit::kReplaceAll);
    EXPECT_EQ(edit.text, "(" + input + ")");
}

TEST(ReciprocalRule, SelectionTextOrResult) {
    const WrapRow rows[] = {
        // An empty input line stands for the last result.
        {"", {0, 0}, "4", WrapEdit::kReplaceAll, "1/(4)"},
        {"", {0, 0}, "", WrapEdit::kNothing, ""},
        {"2+3", {3, 3}, "4", WrapEdit::kReplaceAll, "1/(2+3)"},
        // Unlike Enclose, the caret at the start still wraps the whole text.
        {"2+3", {0, 0}, "4", WrapEdit::kReplaceAll, "1/(2+3)"},
        {"12+34", {3, 5}, "4", WrapEdit::kReplaceSelection, "1/(34)"},
        // The raw result is used, not the shown answer.
        {"", {0, 0}, "0.333333333333333", WrapEdit::kReplaceAll, "1/(0.333333333333333)"},
        {" ", {1, 1}, "4", WrapEdit::kReplaceAll, "1/( )"},
    };
    for (const WrapRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.input << " " << row.selection.start << "-" << row.selection.end);
        ExpectEdit(ReciprocalEdit(row.input, row.selection, row.result), row);
    }
}

}  // namespace
