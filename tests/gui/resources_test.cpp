// The menu bar and the accelerator table as the main window carries them.
#include <algorithm>
#include <string>
#include <vector>

#include "gui_support.h"
#include "resource_ids.h"

namespace {

using Resources = MainWindowTest;

std::string ItemText(HMENU menu, UINT item, UINT by) {
    char text[128] = "";
    GetMenuStringA(menu, item, text, sizeof text, by);
    return text;
}

TEST_F(Resources, MenuBar) {
    HMENU bar = GetMenu(Main());
    const char* const titles[] = {"&File", "&Edit", "&Insert", "F&ormat", "&View", "&Help"};
    ASSERT_EQ(GetMenuItemCount(bar), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(titles[i]);
        EXPECT_EQ(ItemText(bar, i, MF_BYPOSITION), titles[i]);
        EXPECT_NE(GetSubMenu(bar, i), nullptr);
    }
}

// Each menu as its items stand: text with the hint after a tab, or an empty
// text with id 0 for a separator.
TEST_F(Resources, MenuItemsWithHints) {
    struct Item {
        int id;
        const char* text;
    };
    struct Menu {
        int position;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {0,
         {{IDM_NEW, "&New\tCtrl + N"},
          {IDM_OPEN, "&Open...\tCtrl + O"},
          {IDM_SAVE_AS, "&Save As...\tCtrl + S"},
          {0, ""},
          {IDM_PRINT, "&Print...\tCtrl + P"},
          {0, ""},
          {IDM_EXIT, "E&xit"}}},
        {1,
         {{IDM_UNDO, "&Undo\tCtrl + Z"},
          {0, ""},
          {IDM_CUT, "Cu&t\tCtrl + X"},
          {IDM_COPY, "&Copy\tCtrl + C"},
          {IDM_PASTE, "&Paste\tCtrl + V"},
          {IDM_DELETE, "&Delete\tBackspace"},
          {0, ""},
          {IDM_COPY_MATHS, "Copy &Math Expression\tCtrl + E"},
          {IDM_COPY_RESULT, "Copy &Result\tCtrl + R"},
          {IDM_COPY_TASK, "Copy &Task\tCtrl + T"},
          {0, ""},
          {IDM_SELECT_ALL, "Select &All\tCtrl + A"},
          {IDM_ENCLOSE, "&Enclose Expression\tCtrl + Y"},
          {0, ""},
          {IDM_CLEAR_INPUT, "Clear Input Line\tEsc"},
          {IDM_CLEAR_DISPLAY, "Clear Display\tCtrl + D"},
          {0, ""},
          {IDM_COPY_HISTORY, "Copy &History"},
          {IDM_CLEAR_HISTORY, "Clear History"}}},
        {3,
         {{IDM_ANGLE_RAD, "Angle Unit in &Radians\t#rad"},
          {IDM_ANGLE_DEG, "Angle Unit in &Degrees\t#deg"},
          {IDM_ANGLE_GRAD, "Angle Unit in &Grads\t#grad"},
          {0, ""},
          {IDM_MODE_AUTO, "&Automatic Mode\t#auto"},
          {IDM_MODE_SCI, "&Scientific Mode\t#sci"},
          {IDM_MODE_FIX, "&Fixed Mode\t#fix"},
          {0, ""},
          {-1, "&Decimal Places\t#dec"},
          {IDM_DIGIT_GROUPING, "Use Digit Grouping\t#dig"},
          {IDM_FUNCTION_SEPARATOR, "Use Function Separator\t#fun"},
          {-1, "Decimal Separator"},
          {0, ""},
          {IDM_SAVE_SETTINGS, "Save Current Settings"},
          {IDM_RESET_SETTINGS, "Reset to Defaults"}}},
        {4,
         {{IDM_DISPLAY_ONLY, "Show Display Only\tF12"},
          {IDM_ALWAYS_ON_TOP, "Always on &Top\tF11"},
          {0, ""},
          {IDM_VIEW_HISTORY, "View History...\tF9"},
          {IDM_NUMBER_FORMAT, "Number &Format...\tF10"},
          {0, ""},
          {IDM_TASK_NUMBERING, "Task Numbering"}}},
        {5, {{IDM_ONLINE_HELP, "Online &Help\tF1"}, {0, ""}, {IDM_ABOUT, "&About Calculator\tShift + F1"}}},
    };
    HMENU bar = GetMenu(Main());
    for (const Menu& menu : menus) {
        HMENU popup = GetSubMenu(bar, menu.position);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(menu.items.size()));
        for (size_t i = 0; i < menu.items.size(); ++i) {
            const Item& item = menu.items[i];
            SCOPED_TRACE(item.text);
            UINT id = GetMenuItemID(popup, static_cast<int>(i));
            if (item.id == -1) {
                EXPECT_NE(GetSubMenu(popup, static_cast<int>(i)), nullptr);
            } else {
                EXPECT_EQ(id, static_cast<UINT>(item.id));
            }
            EXPECT_EQ(ItemText(popup, static_cast<UINT>(i), MF_BYPOSITION), item.text);
        }
    }
}

TEST_F(Resources, FormatSubmenusAndStartingMarks) {
    HMENU format = GetSubMenu(GetMenu(Main()), 3);
    HMENU decimals = GetSubMenu(format, 8);
    ASSERT_EQ(GetMenuItemCount(decimals), 16);
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(GetMenuItemID(decimals, n), static_cast<UINT>(IDM_DECIMALS_FIRST + n));
        EXPECT_EQ(ItemText(decimals, n, MF_BYPOSITION), std::to_string(n));
    }
    HMENU separator = GetSubMenu(format, 11);
    EXPECT_EQ(ItemText(separator, IDM_DECIMAL_DOT, MF_BYCOMMAND), "Dot (0.5)\t#dot");
    EXPECT_EQ(ItemText(separator, IDM_DECIMAL_COMMA, MF_BYCOMMAND), "Comma (0,5)\t#comma");

    HMENU bar = GetMenu(Main());
    for (int id : {IDM_ANGLE_RAD, IDM_MODE_AUTO, IDM_FUNCTION_SEPARATOR, IDM_DECIMAL_DOT}) {
        EXPECT_NE(GetMenuState(bar, id, MF_BYCOMMAND) & MF_CHECKED, 0u) << id;
    }
    for (int id : {IDM_ANGLE_DEG, IDM_MODE_FIX, IDM_DIGIT_GROUPING, IDM_DECIMAL_COMMA, IDM_TASK_NUMBERING}) {
        EXPECT_EQ(GetMenuState(bar, id, MF_BYCOMMAND) & MF_CHECKED, 0u) << id;
    }
}

TEST_F(Resources, InsertMenu) {
    HMENU insert = GetSubMenu(GetMenu(Main()), 2);
    const char* const submenus[] = {"&Functions", "...&Trigonometric", "...&Hyperbolic", "&Molecular Fragments",
                                    "&Constants"};
    ASSERT_EQ(GetMenuItemCount(insert), 13);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ItemText(insert, i, MF_BYPOSITION), submenus[i]);
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {
        {IDM_FUNCTION_FACTORIAL, "Factorial\t!"},
        {IDM_QUADRATIC_TEMPLATE, "Solve quadratic equation\tx^2+x"},
        {IDM_FUNCTION_ACSC, "Inverse cosecant\tacsc"},
        {IDM_FUNCTION_ACOTH, "Inverse hyperbolic cotangent\tacoth"},
        {IDM_FRAGMENT_NH2, "NH2"},
        {IDM_FRAGMENT_CR2O7, "Cr2O7"},
        {IDM_CONSTANT_PERMEABILITY, "Permeability of vacuum\t12.566370614e7 N/A2"},
        {IDM_CONSTANT_PI, "Pi\t3.14159265358979"},
        // The degree sign is the Windows Latin-1 byte 0xB0.
        {IDM_CONSTANT_ZERO_CELSIUS, "t0\t-273.15 \xB0" "C"},
        {IDM_CONSTANT_MOLAR_VOLUME, "Vm\t0.0224141 m3/mol"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(ItemText(insert, row.id, MF_BYCOMMAND), row.text);
    }
}

TEST_F(Resources, AcceleratorTable) {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    int count = CopyAcceleratorTableA(table, entries, 32);
    struct Row {
        BYTE modifiers;
        WORD key;
        WORD command;
    };
    const Row rows[] = {
        {FCONTROL, 'A', IDM_SELECT_ALL},   {FCONTROL, 'C', IDM_COPY},        {FCONTROL, 'D', IDM_CLEAR_DISPLAY},
        {FCONTROL, 'E', IDM_COPY_MATHS},   {FCONTROL, 'N', IDM_NEW},         {FCONTROL, 'O', IDM_OPEN},
        {FCONTROL, 'P', IDM_PRINT},        {FCONTROL, 'R', IDM_COPY_RESULT}, {FCONTROL, 'S', IDM_SAVE_AS},
        {FCONTROL, 'T', IDM_COPY_TASK},    {FCONTROL, 'V', IDM_PASTE},       {FCONTROL, 'X', IDM_CUT},
        {FCONTROL, 'Y', IDM_ENCLOSE},      {FCONTROL, 'Z', IDM_UNDO},        {FSHIFT, VK_F1, IDM_ABOUT},
        {0, VK_F1, IDM_ONLINE_HELP},       {0, VK_F6, IDC_KEY_MEMORY_STORE}, {0, VK_F7, IDC_KEY_MEMORY_RECALL},
        {0, VK_F9, IDM_VIEW_HISTORY},      {0, VK_F10, IDM_NUMBER_FORMAT},   {0, VK_F11, IDM_ALWAYS_ON_TOP},
        {0, VK_F12, IDM_DISPLAY_ONLY},     {0, VK_RETURN, IDC_EQUALS},       {0, VK_ESCAPE, IDM_CLEAR_INPUT},
    };
    ASSERT_EQ(count, static_cast<int>(std::size(rows)));
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].fVirt & ~FNOINVERT, FVIRTKEY | rows[i].modifiers);
        EXPECT_NE(entries[i].fVirt & FNOINVERT, 0);
        EXPECT_EQ(entries[i].key, rows[i].key);
        EXPECT_EQ(entries[i].cmd, rows[i].command);
    }
}

}  // namespace

namespace {

INT_PTR CALLBACK InspectOnly(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The Number Format template as the dialog manager builds it: each control's
// class, kind, text and size in dialog units.
TEST(NumberFormatTemplate, ControlsAsDescribed) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NUMBER_FORMAT), nullptr,
                                     InspectOnly, 0);
    ASSERT_NE(dialog, nullptr);
    struct Row {
        int id;
        const char* className;
        DWORD typeMask, type;
        const char* text;
    };
    const Row rows[] = {
        // Plain radio buttons: the dialog sets their checks itself.
        {IDC_FORMAT_AUTO, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Automatic"},
        {IDC_FORMAT_SCI, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Scientific"},
        {IDC_FORMAT_FIX, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Fixed"},
        {IDC_FORMAT_RAD, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Radians"},
        {IDC_FORMAT_DEG, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Degrees"},
        {IDC_FORMAT_GRAD, "Button", BS_TYPEMASK, BS_RADIOBUTTON, "&Grads"},
        {IDC_FORMAT_GROUPING, "Button", BS_TYPEMASK, BS_AUTOCHECKBOX, "Digit grouping"},
        {IDC_FORMAT_DECIMALS, "Edit", ES_CENTER, ES_CENTER, ""},
        {IDC_FORMAT_SPINNER, "ScrollBar", SBS_VERT, SBS_VERT, ""},
        {IDC_FORMAT_DECIMALS_LABEL, "Static", 0, 0, "Decimal places"},
        {IDOK, "Button", BS_TYPEMASK, BS_DEFPUSHBUTTON, "OK"},
        {IDCANCEL, "Button", BS_TYPEMASK, BS_PUSHBUTTON, "Cancel"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        HWND control = GetDlgItem(dialog, row.id);
        ASSERT_NE(control, nullptr);
        char className[32] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, row.className);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & row.typeMask, row.type);
        EXPECT_EQ(WindowText(control), row.text);
    }
    // The edit's border: dialogs draw a bordered edit with a sunken edge.
    HWND decimals = GetDlgItem(dialog, IDC_FORMAT_DECIMALS);
    EXPECT_TRUE((GetWindowLongA(decimals, GWL_STYLE) & WS_BORDER) ||
                (GetWindowLongA(decimals, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    // The first radio button of each group starts the group.
    for (int id : {IDC_FORMAT_AUTO, IDC_FORMAT_RAD}) {
        SCOPED_TRACE(id);
        EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_GROUP, 0);
    }
    // Sizes in dialog units: the edit 14 x 11, the spinner 12 x 11.
    const struct {
        int id, width, height;
    } sizes[] = {{IDC_FORMAT_DECIMALS, 14, 11}, {IDC_FORMAT_SPINNER, 12, 11}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.id);
        RECT units{0, 0, size.width, size.height};
        MapDialogRect(dialog, &units);
        EXPECT_EQ(PlacementOf(GetDlgItem(dialog, size.id)).width, units.right);
        EXPECT_EQ(PlacementOf(GetDlgItem(dialog, size.id)).height, units.bottom);
    }
    // The group box of the display modes carries its title with its blanks.
    const std::vector<std::string> buttons = ChildTexts(dialog, "Button");
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), " Number Format "), buttons.end());
    DestroyWindow(dialog);
}

}  // namespace
