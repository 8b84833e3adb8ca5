// Screen scaling: the window is designed at 96 dots per inch, and every
// position, size and font height it uses is that designed value scaled to the
// DPI of the window it is in, through ScalePixels alone. The per-monitor
// functions of newer systems are looked up at run time, so the program still
// starts where they are missing (the system DPI is then the only one).
#pragma once

#include <windows.h>

// The DPI the window was designed at.
inline constexpr int kDesignDpi = 96;

// `value` designed at 96 DPI, in pixels at `dpi` (MulDiv rounding).
int ScalePixels(int value, int dpi);

// The DPI of `window` (GetDpiForWindow); where that is missing or answers 0,
// the DPI of the window's device context.
int WindowDpi(HWND window);

// The DPI of the primary screen, for placing a window that is not made yet.
int ScreenDpi();

// Height of a window caption at `dpi`.
int CaptionHeightForDpi(int dpi);

// The frame that the system adds around a client area at `dpi` for a window
// with these styles and a menu bar: the left, top, right and bottom thickness.
RECT WindowFrameForDpi(DWORD style, DWORD exStyle, bool menu, int dpi);

// A copy of `font` (a font made for the system DPI, such as the stock
// system font or a control's default font) with its height brought to `dpi`.
// nullptr when it cannot be made.
HFONT MakeFontForDpi(HFONT font, int dpi);
