// The Format menu's setting commands, the indicator clicks that set the same
// values, Reset to Defaults, and the Format and View menus' check marks.
#include <string>
#include <vector>

#include "command_window.h"

namespace command_tests {
namespace {

class FormatWindow : public CommandWindow {
protected:
    // Which of the three indicators from `first` is lit; -2 when more than one.
    int Lit(int first) const {
        int lit = -1;
        for (int i = 0; i < 3; ++i) {
            if (TextColour(first + i) != kIndicatorOn) continue;
            if (lit != -1) return -2;
            lit = i;
        }
        return lit;
    }
    int LitMode() const { return Lit(IDC_MODE_AUTO); }
    int LitAngle() const { return Lit(IDC_ANGLE_RAD); }
    // The checked items among `first` to `last`, as the menu shows them on
    // opening.
    std::vector<int> Checked(int first, int last) {
        std::vector<int> checked;
        for (int id = first; id <= last; ++id) {
            if (GetMenuState(GetMenu(Main()), id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
            if (MenuChecked(id)) checked.push_back(id);
        }
        return checked;
    }
};

using FormatMenu = FormatWindow;

TEST_F(FormatMenu, AngleUnitFromMenuAndIndicators) {
    struct Row {
        int command;
        bool click;  // on the indicator rather than a command
        int unit;
    };
    const Row rows[] = {
        {IDM_ANGLE_DEG, false, 1}, {IDM_ANGLE_GRAD, false, 2}, {IDC_ANGLE_RAD, true, 0},
        {IDC_ANGLE_GRAD, true, 2}, {IDC_ANGLE_DEG, false, 1},  {IDM_ANGLE_RAD, false, 0},
    };
    Enter("asin(1)");
    const std::string answer = Text(IDC_CURRENT_ANSWER);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        if (row.click) {
            ClickStatic(row.command);
        } else {
            Command(row.command);
        }
        EXPECT_EQ(LitAngle(), row.unit);
        EXPECT_EQ(Checked(IDM_ANGLE_RAD, IDM_ANGLE_GRAD), std::vector<int>{IDM_ANGLE_RAD + row.unit});
        // The shown answers keep the unit they were calculated in.
        EXPECT_EQ(Text(IDC_CURRENT_ANSWER), answer);
    }
    Command(IDM_ANGLE_DEG);
    Enter("asin(1)");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "90");
}

TEST_F(FormatMenu, DisplayCommandsRefreshBothAnswers) {
    struct Row {
        int command;
        bool click;
        const char* previous;
        const char* current;
        int mode;
    };
    const Row rows[] = {
        {IDM_MODE_FIX, false, "0.67", "2469.00", 2},
        {IDM_DECIMALS_FIRST + 7, false, "0.6666667", "2469.0000000", 2},
        {IDC_MODE_SCI, true, "6.6666667e-01", "2.4690000e+03", 1},
        {IDM_DECIMALS_FIRST, false, "7e-01", "2e+03", 1},
        {IDC_MODE_AUTO, true, "0.666666666666667", "2469", 0},
        {IDM_DIGIT_GROUPING, false, "0.666 666 666 666 667", "2 469", 0},
        {IDM_MODE_FIX, false, "1", "2 469", 2},
        {IDM_DIGIT_GROUPING, false, "1", "2469", 2},
        {IDM_MODE_AUTO, false, "0.666666666666667", "2469", 0},
    };
    Enter("2/3");
    Enter("1234.5*2");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        if (row.click) {
            ClickStatic(row.command);
        } else {
            Command(row.command);
        }
        EXPECT_EQ(TwoDigitExponent(Text(IDC_PREVIOUS_ANSWER)), row.previous);
        EXPECT_EQ(TwoDigitExponent(Text(IDC_CURRENT_ANSWER)), row.current);
        EXPECT_EQ(LitMode(), row.mode);
        EXPECT_EQ(Checked(IDM_MODE_AUTO, IDM_MODE_FIX), std::vector<int>{IDM_MODE_AUTO + row.mode});
    }
    EXPECT_TRUE(MenuChecked(IDM_DECIMALS_FIRST));
    EXPECT_FALSE(MenuChecked(IDM_DIGIT_GROUPING));
}

TEST_F(FormatMenu, CommaRewritesBothPairsOfLines) {
    Enter("1.5*2");
    Enter("0.25+1");
    Command(IDM_DECIMAL_COMMA);
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "1,5*2");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "3");
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "0,25+1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "1,25");
    EXPECT_EQ(Tooltip(IDC_CURRENT_TASK), "0,25+1");
    EXPECT_EQ(Tooltip(IDC_PREVIOUS_TASK), "1,5*2");
    // The command moves the marks itself, before any menu opens.
    HMENU menu = GetMenu(Main());
    EXPECT_NE(GetMenuState(menu, IDM_DECIMAL_COMMA, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(menu, IDM_DECIMAL_DOT, MF_BYCOMMAND) & MF_CHECKED, 0u);
    Enter("ans/2");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "0,625");

    Command(IDM_DECIMAL_DOT);
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "0.625");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "1.25");
    EXPECT_TRUE(MenuChecked(IDM_DECIMAL_DOT));
    EXPECT_FALSE(MenuChecked(IDM_DECIMAL_COMMA));
    Command(IDM_DECIMAL_COMMA);
    Command(IDM_RESET_SETTINGS);
    EXPECT_TRUE(MenuChecked(IDM_DECIMAL_DOT));
    EXPECT_FALSE(MenuChecked(IDM_DECIMAL_COMMA));
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "0.625");
}

TEST_F(FormatMenu, DecimalPlacesMark) {
    struct Row {
        const char* task;  // a command line, or "" for the menu command
        int command;
        std::vector<int> checked;
    };
    const Row rows[] = {
        {"", IDM_DECIMALS_FIRST + 7, {IDM_DECIMALS_FIRST + 7}},
        {"", IDM_DECIMALS_LAST, {IDM_DECIMALS_LAST}},
        {"#dec 3", 0, {IDM_DECIMALS_FIRST + 3}},
        // Decimal places beyond the submenu's 15 mark no item.
        {"#dec 20", 0, {}},
        {"", IDM_DECIMALS_FIRST, {IDM_DECIMALS_FIRST}},
    };
    EXPECT_EQ(Checked(IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST), std::vector<int>{IDM_DECIMALS_FIRST + 2});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.task[0] ? row.task : std::to_string(row.command));
        if (row.task[0]) {
            Enter(row.task);
        } else {
            Command(row.command);
        }
        EXPECT_EQ(Checked(IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST), row.checked);
    }
}

TEST_F(FormatMenu, CommandLinesReachTheMarks) {
    Enter("#deg");
    Enter("#sci");
    Enter("#dig 1");
    Enter("#comma");
    EXPECT_EQ(Checked(IDM_MODE_AUTO, IDM_DECIMAL_COMMA + 1),
              (std::vector<int>{IDM_MODE_SCI, IDM_ANGLE_DEG, IDM_DIGIT_GROUPING, IDM_DECIMALS_FIRST + 2,
                                IDM_DECIMAL_COMMA, IDM_FUNCTION_SEPARATOR}));
    EXPECT_EQ(LitMode(), 1);
    EXPECT_EQ(LitAngle(), 1);
}

TEST_F(FormatMenu, FunctionSeparatorActsOnTheNextTask) {
    Enter("sin(0)");
    ASSERT_EQ(Text(IDC_CURRENT_TASK), ":sin(0)");
    Command(IDM_FUNCTION_SEPARATOR);
    EXPECT_FALSE(MenuChecked(IDM_FUNCTION_SEPARATOR));
    EXPECT_EQ(Text(IDC_CURRENT_TASK), ":sin(0)");
    Enter("cos(0)");
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "cos(0)");
    Command(IDM_FUNCTION_SEPARATOR);
    EXPECT_TRUE(MenuChecked(IDM_FUNCTION_SEPARATOR));
}

TEST_F(FormatMenu, ResetToDefaults) {
    Command(IDM_TASK_NUMBERING);
    Enter("1+1");
    Enter("2/3");
    Command(IDM_ANGLE_GRAD);
    Command(IDM_MODE_FIX);
    Command(IDM_DECIMALS_FIRST + 9);
    Command(IDM_DIGIT_GROUPING);
    Command(IDM_FUNCTION_SEPARATOR);
    Command(IDM_DECIMAL_COMMA);
    Command(IDM_RESET_SETTINGS);

    EXPECT_EQ(Checked(IDM_MODE_AUTO, IDM_DECIMAL_COMMA + 1),
              (std::vector<int>{IDM_MODE_AUTO, IDM_ANGLE_RAD, IDM_DECIMALS_FIRST + 2, IDM_DECIMAL_DOT,
                                IDM_FUNCTION_SEPARATOR}));
    EXPECT_EQ(LitMode(), 0);
    EXPECT_EQ(LitAngle(), 0);
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "2");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "0.666666666666667");
    // Numbering stops and starts from 1 when turned on again.
    Enter("3+3");
    Command(IDM_TASK_NUMBERING);
    Enter("4+4");
    EXPECT_EQ(Entries(), "\r\n1. \t1+1 = 2\r\n\r\n2. \t2/3 = 0.666666666666667\r\n\r\n3+3 = 6\r\n\r\n1. \t4+4 = 8\r\n");
}

// Menus other than Edit, Format and View are left as they are when they open.
TEST_F(FormatMenu, OtherMenusAreLeftAlone) {
    HMENU bar = GetMenu(Main());
    HMENU insert = GetSubMenu(bar, 2);
    CheckMenuItem(insert, IDM_FUNCTION_SIN, MF_BYCOMMAND | MF_CHECKED);
    SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(insert), MAKELPARAM(2, FALSE));
    EXPECT_NE(GetMenuState(bar, IDM_FUNCTION_SIN, MF_BYCOMMAND) & MF_CHECKED, 0u);
    // The decimal places submenu on its own changes nothing either.
    HMENU decimals = GetSubMenu(GetSubMenu(bar, 3), 8);
    Command(IDM_DECIMALS_FIRST + 5);
    CheckMenuItem(decimals, IDM_DECIMALS_FIRST + 1, MF_BYCOMMAND | MF_CHECKED);
    SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(decimals), MAKELPARAM(8, FALSE));
    EXPECT_NE(GetMenuState(bar, IDM_DECIMALS_FIRST + 1, MF_BYCOMMAND) & MF_CHECKED, 0u);
    // The Format menu itself puts the marks right again.
    EXPECT_EQ(Checked(IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST), std::vector<int>{IDM_DECIMALS_FIRST + 5});
}

}  // namespace
}  // namespace command_tests
