// The menu bar and the accelerator table as the main window carries them.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
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

struct MenuItem {
    HMENU menu;
    int position;
    UINT id;  // 0 for a separator, -1 for a submenu
    std::string text;
};

// Every item of `menu` and of its submenus, depth first.
void CollectItems(HMENU menu, std::vector<MenuItem>& items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        items.push_back({menu, i, GetMenuItemID(menu, i), ItemText(menu, static_cast<UINT>(i), MF_BYPOSITION)});
        if (HMENU sub = GetSubMenu(menu, i)) CollectItems(sub, items);
    }
}

// The items of every menu of the bar but the one at `skip`.
std::vector<MenuItem> AllItems(HMENU bar, int skip = -1) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if (i != skip) CollectItems(GetSubMenu(bar, i), items);
    }
    return items;
}

// The key a menu hint names ("Ctrl + N", "Shift + F1", "F9", "Esc"): its
// accelerator modifiers and virtual key; false for anything else.
bool HintKey(const std::string& hint, BYTE& modifiers, WORD& key) {
    std::string rest = hint;
    modifiers = 0;
    for (const auto& [name, flag] : {std::pair<const char*, BYTE>{"Ctrl + ", FCONTROL}, {"Shift + ", FSHIFT}}) {
        if (rest.rfind(name, 0) == 0) {
            modifiers |= flag;
            rest.erase(0, std::strlen(name));
        }
    }
    if (rest == "Esc") {
        key = VK_ESCAPE;
    } else if (rest.size() == 1 && rest[0] >= 'A' && rest[0] <= 'Z') {
        key = static_cast<WORD>(rest[0]);
    } else if (rest.size() >= 2 && rest[0] == 'F' && std::isdigit(static_cast<unsigned char>(rest[1]))) {
        key = static_cast<WORD>(VK_F1 + std::atoi(rest.c_str() + 1) - 1);
    } else {
        return false;
    }
    return true;
}

std::vector<ACCEL> Accelerators() {
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    std::vector<ACCEL> entries(64);
    entries.resize(static_cast<size_t>(CopyAcceleratorTableA(table, entries.data(), 64)));
    return entries;
}

// Separators divide groups: never first or last in a menu, never two in a
// row; command ids are unique across the menu bar.
TEST_F(Resources, MenusAreWellFormed) {
    std::set<UINT> ids;
    for (const MenuItem& item : AllItems(GetMenu(Main()))) {
        SCOPED_TRACE(item.text);
        const int count = GetMenuItemCount(item.menu);
        if (item.id == 0) {
            EXPECT_TRUE(item.text.empty());
            EXPECT_GT(item.position, 0);
            EXPECT_LT(item.position, count - 1);
            EXPECT_NE(GetMenuItemID(item.menu, item.position + 1), 0u);
            continue;
        }
        EXPECT_FALSE(item.text.empty());
        if (item.id != static_cast<UINT>(-1)) {
            EXPECT_TRUE(ids.insert(item.id).second) << item.id;
        }
    }
}

// A menu item that names a key after its tab is reached by that key through
// the accelerator table, and every accelerator of a menu command is named by
// that command's item. Backspace is the input line's own key; the Insert
// menu's hints are the texts it inserts.
TEST_F(Resources, MenuHintsAndAcceleratorsAgree) {
    const std::vector<ACCEL> table = Accelerators();
    std::map<UINT, std::string> hints;
    for (const MenuItem& item : AllItems(GetMenu(Main()), 2)) {
        const size_t tab = item.text.find('\t');
        if (tab == std::string::npos || item.text[tab + 1] == '#') continue;
        const std::string hint = item.text.substr(tab + 1);
        hints[item.id] = hint;
        SCOPED_TRACE(item.text);
        BYTE modifiers = 0;
        WORD key = 0;
        if (!HintKey(hint, modifiers, key)) {
            EXPECT_EQ(hint, "Backspace");
            continue;
        }
        const auto found = std::find_if(table.begin(), table.end(), [&](const ACCEL& entry) {
            return (entry.fVirt & (FCONTROL | FSHIFT | FALT)) == modifiers && entry.key == key;
        });
        ASSERT_NE(found, table.end());
        EXPECT_EQ(found->cmd, item.id);
    }
    for (const ACCEL& entry : table) {
        if (!hints.count(entry.cmd)) continue;
        SCOPED_TRACE(hints[entry.cmd]);
        BYTE modifiers = 0;
        WORD key = 0;
        ASSERT_TRUE(HintKey(hints[entry.cmd], modifiers, key));
        EXPECT_EQ(entry.key, key);
        EXPECT_EQ(entry.fVirt & (FCONTROL | FSHIFT | FALT), modifiers);
    }
}

// A few items as the user reads them, mnemonic, hint and all.
TEST_F(Resources, MenuItemTexts) {
    struct Row {
        int id;
        const char* text;
    };
    const Row rows[] = {
        {IDM_NEW, "&New\tCtrl + N"},
        {IDM_EXIT, "E&xit"},
        {IDM_DELETE, "&Delete\tBackspace"},
        {IDM_COPY_MATHS, "Copy &Math Expression\tCtrl + E"},
        {IDM_CLEAR_HISTORY, "Clear History"},
        {IDM_ANGLE_GRAD, "Angle Unit in &Grads\t#grad"},
        {IDM_FUNCTION_SEPARATOR, "Use Function Separator\t#fun"},
        {IDM_RESET_SETTINGS, "Reset to Defaults"},
        {IDM_VIEW_HISTORY, "View History...\tF9"},
        {IDM_ABOUT, "&About Calculator\tShift + F1"},
    };
    HMENU bar = GetMenu(Main());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ItemText(bar, static_cast<UINT>(row.id), MF_BYCOMMAND), row.text);
    }
    // The Format menu's two submenus.
    HMENU format = GetSubMenu(bar, 3);
    EXPECT_EQ(ItemText(format, 8, MF_BYPOSITION), "&Decimal Places\t#dec");
    EXPECT_EQ(ItemText(format, 11, MF_BYPOSITION), "Decimal Separator");
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
        {IDM_CONSTANT_ZERO_CELSIUS,
         "t0\t-273.15 \xB0"
         "C"},
        {IDM_CONSTANT_MOLAR_VOLUME, "Vm\t0.0224141 m3/mol"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(ItemText(insert, row.id, MF_BYCOMMAND), row.text);
    }
}

// Every entry is a virtual key without inversion, no key is taken twice, and
// the keys that have no menu item reach their controls.
TEST_F(Resources, AcceleratorTable) {
    const std::vector<ACCEL> table = Accelerators();
    ASSERT_FALSE(table.empty());
    std::set<std::pair<int, int>> keys;
    for (const ACCEL& entry : table) {
        SCOPED_TRACE(testing::Message() << entry.key << " -> " << entry.cmd);
        EXPECT_NE(entry.fVirt & FVIRTKEY, 0);
        EXPECT_NE(entry.fVirt & FNOINVERT, 0);
        EXPECT_TRUE(keys.insert({entry.fVirt & (FCONTROL | FSHIFT | FALT), entry.key}).second);
        EXPECT_TRUE(GetMenuState(GetMenu(Main()), entry.cmd, MF_BYCOMMAND) != static_cast<UINT>(-1) ||
                    Control(entry.cmd) != nullptr);
    }
    struct Row {
        WORD key;
        WORD command;
    };
    const Row rows[] = {{VK_F6, IDC_KEY_MEMORY_STORE}, {VK_F7, IDC_KEY_MEMORY_RECALL}, {VK_RETURN, IDC_EQUALS}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        const auto found = std::find_if(table.begin(), table.end(), [&](const ACCEL& entry) {
            return (entry.fVirt & (FCONTROL | FSHIFT | FALT)) == 0 && entry.key == row.key;
        });
        ASSERT_NE(found, table.end());
        EXPECT_EQ(found->cmd, row.command);
    }
}

}  // namespace

namespace {

INT_PTR CALLBACK InspectOnly(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The Number Format template as the dialog manager builds it: each control's
// class, kind, text and size in dialog units.
TEST(NumberFormatTemplate, ControlsAsDescribed) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NUMBER_FORMAT), nullptr, InspectOnly, 0);
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
        EXPECT_STRCASEEQ(ClassNameOf(control).c_str(), row.className);
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
    const struct { int id, width, height; } sizes[] = {{IDC_FORMAT_DECIMALS, 14, 11}, {IDC_FORMAT_SPINNER, 12, 11}};
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
