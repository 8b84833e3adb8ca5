// The Insert menu on the real window: every item with its text, hint and the
// text it inserts, in the menu's order.
#include <string>
#include <vector>

#include "command_window.h"

namespace command_tests {
namespace {

using InsertItems = CommandWindow;

// One line of the menu as walked: "[submenu text]", "-" for a separator, or
// an item's text (with its hint after a tab) and what it inserts.
struct Line {
    int id;  // 0 for submenus and separators
    const char* text;
    const char* inserts;
};

const Line kExpectedMenu[] = {
    {0, "[&Functions]", ""},
    {IDM_FUNCTION_FACTORIAL, "Factorial\t!", "!"},
    {IDM_FUNCTION_ABS, "Absolute value\tabs", "abs"},
    {IDM_FUNCTION_INT, "Integer value\tint", "int"},
    {IDM_FUNCTION_RAN, "Random number (0 - X)\tran", "ran"},
    {IDM_FUNCTION_LOG, "Logarithm base 10\tlog", "log"},
    {IDM_FUNCTION_ALOG, "Antilogarithm base 10\talog", "alog"},
    {IDM_FUNCTION_LN, "Logarithm base e\tln", "ln"},
    {IDM_FUNCTION_ALN, "Antilogarithm base e\taln", "aln"},
    {IDM_FUNCTION_EXP, "Exponential function (e^x)\texp", "exp"},
    {IDM_FUNCTION_SGN, "Sign of a number\tsgn", "sgn"},
    {IDM_FUNCTION_SQR, "Square\tsqr", "sqr"},
    {IDM_FUNCTION_SQRT, "Square root\tsqrt", "sqrt"},
    {0, "-", ""},
    {IDM_NAME_PI, "Insert Pi number\tpi", "pi"},
    {IDM_NAME_ANS, "Insert previous answer\tans", "ans"},
    {IDM_NAME_MEM, "Insert number in memory\tmem", "mem"},
    {0, "-", ""},
    {IDM_QUADRATIC_TEMPLATE, "Solve quadratic equation\tx^2+x", "x^2+x"},
    {0, "[...&Trigonometric]", ""},
    {IDM_FUNCTION_SIN, "Sine\tsin", "sin"},
    {IDM_FUNCTION_COS, "Cosine\tcos", "cos"},
    {IDM_FUNCTION_TAN, "Tangent\ttan", "tan"},
    {IDM_FUNCTION_COT, "Cotangent\tcot", "cot"},
    // The secant items insert the names their hints show.
    {IDM_FUNCTION_SEC, "Secant\tsec", "sec"},
    {IDM_FUNCTION_CSC, "Cosecant\tcsc", "csc"},
    {0, "-", ""},
    {IDM_FUNCTION_ASIN, "Inverse sine\tasin", "asin"},
    {IDM_FUNCTION_ACOS, "Inverse cosine\tacos", "acos"},
    {IDM_FUNCTION_ATAN, "Inverse tangent\tatan", "atan"},
    {IDM_FUNCTION_ACOT, "Inverse cotangent\tacot", "acot"},
    {IDM_FUNCTION_ASEC, "Inverse secant\tasec", "asec"},
    {IDM_FUNCTION_ACSC, "Inverse cosecant\tacsc", "acsc"},
    {0, "[...&Hyperbolic]", ""},
    {IDM_FUNCTION_SINH, "Hyperbolic sine\tsinh", "sinh"},
    {IDM_FUNCTION_COSH, "Hyperbolic cosine\tcosh", "cosh"},
    {IDM_FUNCTION_TANH, "Hyperbolic tangent\ttanh", "tanh"},
    {IDM_FUNCTION_COTH, "Hyperbolic cotangent\tcoth", "coth"},
    {0, "-", ""},
    {IDM_FUNCTION_ASINH, "Inverse hyperbolic sine\tasinh", "asinh"},
    {IDM_FUNCTION_ACOSH, "Inverse hyperbolic cosine\tacosh", "acosh"},
    {IDM_FUNCTION_ATANH, "Inverse hyperbolic tangent\tatanh", "atanh"},
    {IDM_FUNCTION_ACOTH, "Inverse hyperbolic cotangent\tacoth", "acoth"},
    {0, "[&Molecular Fragments]", ""},
    {IDM_FRAGMENT_H2O, "H2O", "(H2O)"},
    {IDM_FRAGMENT_OH, "OH", "(OH)"},
    {IDM_FRAGMENT_CN, "CN", "(CN)"},
    {IDM_FRAGMENT_CH2, "CH2", "(CH2)"},
    {IDM_FRAGMENT_CO3, "CO3", "(CO3)"},
    {0, "-", ""},
    {IDM_FRAGMENT_NO2, "NO2", "(NO2)"},
    {IDM_FRAGMENT_NO3, "NO3", "(NO3)"},
    {IDM_FRAGMENT_NH2, "NH2", "(NH2)"},
    {IDM_FRAGMENT_NH3, "NH3", "(NH3)"},
    {IDM_FRAGMENT_NH4, "NH4", "(NH4)"},
    {0, "-", ""},
    {IDM_FRAGMENT_SO3, "SO3", "(SO3)"},
    {IDM_FRAGMENT_SO4, "SO4", "(SO4)"},
    {IDM_FRAGMENT_PO4, "PO4", "(PO4)"},
    {IDM_FRAGMENT_CRO4, "CrO4", "(CrO4)"},
    {IDM_FRAGMENT_CR2O7, "Cr2O7", "(Cr2O7)"},
    {0, "[&Constants]", ""},
    {IDM_CONSTANT_ATOMIC_MASS, "Atomic mass unit\t1.6605402e-27 kg", "1.6605402e-27"},
    {IDM_CONSTANT_AVOGADRO, "Avogadro constant\t6.0221367e23 1/mol", "6.0221367e23"},
    {IDM_CONSTANT_BOLTZMANN, "Boltzmann constant\t1.380658e-23 J/K", "1.380658e-23"},
    {IDM_CONSTANT_ELECTRON_MASS, "Electron mass\t9.1093897e-31 kg", "9.1093897e-31"},
    {IDM_CONSTANT_ELECTRONVOLT, "Electronvolt\t1.6021892e-19 J", "1.6021892e-19"},
    {IDM_CONSTANT_CHARGE, "Elementary charge\t1.60217733e-19 C", "1.60217733e-19"},
    {IDM_CONSTANT_PERMEABILITY, "Permeability of vacuum\t12.566370614e7 N/A2", "12.566370614e7"},
    {IDM_CONSTANT_PERMITTIVITY, "Permittivity of vacuum\t8.854187817e-12 F/m", "8.854187817e-12"},
    {IDM_CONSTANT_PLANCK, "Planck constant\t6.6260755e-34 Js", "6.6260755e-34"},
    {0, "-", ""},
    {IDM_CONSTANT_PI, "Pi\t3.14159265358979", "3.14159265358979"},
    {IDM_CONSTANT_E, "e\t2.71828182845905", "2.71828182845905"},
    {IDM_CONSTANT_FARADAY, "F\t96485.309 C/mol", "96485.309"},
    {IDM_CONSTANT_GAS, "R\t8.314510 J/molK", "8.314510"},
    {IDM_CONSTANT_PRESSURE, "p0\t101325 Pa", "101325"},
    // The degree sign is byte 0xB0 of the Windows Latin-1 code page.
    {IDM_CONSTANT_ZERO_CELSIUS,
     "t0\t-273.15 \xB0"
     "C",
     "-273.15"},
    {IDM_CONSTANT_MOLAR_VOLUME, "Vm\t0.0224141 m3/mol", "0.0224141"},
};

// The menu as lines: each submenu's own items follow its line.
void WalkMenu(HMENU menu, std::vector<std::pair<int, std::string>>& lines) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        if (HMENU submenu = GetSubMenu(menu, i)) {
            lines.emplace_back(0, std::string("[") + text + "]");
            WalkMenu(submenu, lines);
        } else if (state & MF_SEPARATOR) {
            lines.emplace_back(0, "-");
        } else {
            lines.emplace_back(static_cast<int>(GetMenuItemID(menu, i)), text);
        }
    }
}

TEST_F(InsertItems, EveryItemWithItsHintInOrder) {
    std::vector<std::pair<int, std::string>> lines;
    WalkMenu(GetSubMenu(GetMenu(Main()), 2), lines);
    ASSERT_EQ(lines.size(), std::size(kExpectedMenu));
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(kExpectedMenu[i].text);
        EXPECT_EQ(lines[i].first, kExpectedMenu[i].id);
        EXPECT_EQ(lines[i].second, kExpectedMenu[i].text);
    }
}

TEST_F(InsertItems, EveryItemInsertsItsText) {
    for (const Line& line : kExpectedMenu) {
        if (!line.id) continue;
        SCOPED_TRACE(line.text);
        SetInput("");
        EXPECT_EQ(Command(line.id), 0);
        EXPECT_EQ(InputText(), line.inserts);
        EXPECT_EQ(InputSelection(), std::make_pair(static_cast<int>(std::string(line.inserts).size()),
                                                   static_cast<int>(std::string(line.inserts).size())));
    }
}

TEST_F(InsertItems, ReplacesTheSelectionAsOneUndoableStep) {
    SetInput("2H2O", 1, 4);
    Command(IDM_FRAGMENT_SO4);
    EXPECT_EQ(InputText(), "2(SO4)");
    Command(IDM_UNDO);
    EXPECT_EQ(InputText(), "2H2O");
}

TEST_F(InsertItems, AddsNoBrackets) {
    SetInput("");
    Command(IDM_FUNCTION_INT);
    SendMessageA(Input(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("2.7"));
    EXPECT_EQ(InputText(), "int2.7");
    Click(IDC_EQUALS);
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "2");
}

TEST_F(InsertItems, PiConstantAndPiName) {
    SetInput("");
    Command(IDM_CONSTANT_PI);
    Command(IDM_NAME_PI);
    EXPECT_EQ(InputText(), "3.14159265358979pi");
}

TEST_F(InsertItems, QuadraticTemplateTakesTheQuadraticRoad) {
    SetInput("");
    Command(IDM_QUADRATIC_TEMPLATE);
    SendMessageA(Input(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("-6"));
    Click(IDC_EQUALS);
    EXPECT_TRUE(Shown(IDC_X1_LABEL));
    EXPECT_EQ(Text(IDC_PREVIOUS_TASK), "x^2+x-6 = 0");
    EXPECT_EQ(Text(IDC_PREVIOUS_ANSWER), "-3");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "2");
}

TEST_F(InsertItems, SecantNamesAreCalculated) {
    struct Row {
        int id;
        const char* argument;
        const char* answer;
    };
    const Row rows[] = {
        {IDM_FUNCTION_SEC, "(0)", "1"},
        {IDM_FUNCTION_CSC, "(pi/2)", "1"},
        {IDM_FUNCTION_ASEC, "(1)", "0"},
        {IDM_FUNCTION_ACSC, "(1)", "1.5707963267949"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        SetInput("");
        Command(row.id);
        SendMessageA(Input(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(row.argument));
        Click(IDC_EQUALS);
        EXPECT_EQ(Text(IDC_CURRENT_ANSWER), row.answer);
    }
}

TEST_F(InsertItems, InverseModeIsNeitherUsedNorChanged) {
    ClickKey(0);
    SetInput("");
    Command(IDM_FUNCTION_SIN);
    EXPECT_EQ(InputText(), "sin");
    EXPECT_EQ(SendMessageA(Key(0), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(InsertItems, IdsWithoutAnItemInsertNothing) {
    SetInput("7", 1, 1);
    for (int id : {2223, 2230, 2240, 2250}) Command(id);
    EXPECT_EQ(InputText(), "7");
}

}  // namespace
}  // namespace command_tests
