// The main window's face as it is designed at 96 DPI, the part that needs no
// platform: the size of the whole window in its two views, the gap to a
// window placed beside it, the type of a control's place, and the slots of
// the fonts its controls use. The layout scales every value to the window's
// DPI; the keypad's cells are in keypad_rules.h.
#pragma once

// A control's place in its parent's client area at 96 DPI.
struct Place {
    int x, y, width, height;
};

// The whole main window at 96 DPI, its frame included: its width, and its
// height without the caption in the full and in the display-only view (which
// cuts the keypad off). The Task History and Number Format dialogs take the
// full view's size beside it.
inline constexpr int kMainWindowWidth = 288;
inline constexpr int kMainWindowFullHeight = 439;
inline constexpr int kMainWindowDisplayOnlyHeight = 205;

// Horizontal gap at 96 DPI between the main window and a dialog beside it,
// on systems from major version 6 on; older ones leave none.
inline constexpr int kBesideGap = 10;

// The fonts of the main window's controls (the font table of the layout).
enum FontSlot {
    kNoFont = -1,  // the control keeps the system's control font
    kKeyFont13,
    kKeyFont12,
    kKeyFont20,
    kIndicatorFont,
    kTaskFont,
    kAnswerFont,
    kInputFont,
    kFontSlotCount,
};
