#include "screen_scale.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// The per-monitor functions of user32, looked up once; nullptr where the
// system has none.
struct PerMonitorFunctions {
    GetDpiForWindowFunction getDpiForWindow;
    GetSystemMetricsForDpiFunction getSystemMetricsForDpi;
    AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const PerMonitorFunctions& PerMonitor() {
    static const PerMonitorFunctions functions = [] {
        HMODULE user = GetModuleHandleA("user32.dll");
        PerMonitorFunctions found{};
        if (!user) return found;
        found.getDpiForWindow = Find<GetDpiForWindowFunction>(user, "GetDpiForWindow");
        found.getSystemMetricsForDpi = Find<GetSystemMetricsForDpiFunction>(user, "GetSystemMetricsForDpi");
        found.adjustWindowRectExForDpi = Find<AdjustWindowRectExForDpiFunction>(user, "AdjustWindowRectExForDpi");
        return found;
    }();
    return functions;
}

int DeviceDpi(HWND window) {
    HDC dc = GetDC(window);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int ScalePixels(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }

int WindowDpi(HWND window) {
    if (PerMonitor().getDpiForWindow && window) {
        if (UINT dpi = PerMonitor().getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    return DeviceDpi(window);
}

int ScreenDpi() { return DeviceDpi(nullptr); }

int CaptionHeightForDpi(int dpi) {
    if (PerMonitor().getSystemMetricsForDpi) return PerMonitor().getSystemMetricsForDpi(SM_CYCAPTION, dpi);
    return GetSystemMetrics(SM_CYCAPTION);
}

RECT WindowFrameForDpi(DWORD style, DWORD exStyle, bool menu, int dpi) {
    RECT rect{0, 0, 0, 0};
    if (PerMonitor().adjustWindowRectExForDpi) {
        PerMonitor().adjustWindowRectExForDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    }
    return RECT{-rect.left, -rect.top, rect.right, rect.bottom};
}

HFONT MakeFontForDpi(HFONT font, int dpi) {
    LOGFONTA description{};
    if (!font || !GetObjectA(font, sizeof description, &description)) return nullptr;
    description.lfHeight = MulDiv(description.lfHeight, dpi, ScreenDpi());
    description.lfWidth = MulDiv(description.lfWidth, dpi, ScreenDpi());
    return CreateFontIndirectA(&description);
}
