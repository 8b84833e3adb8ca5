// The window at other screen scalings: it starts at the DPI of its screen,
// and a DPI change (WM_DPICHANGED, which Wine never sends, so the tests send
// it) scales the whole face from its 96-DPI layout. Checked by properties:
// every place, size and font is the 96-DPI one scaled, nothing overlaps or is
// cut, texts fit, and every answer is shown whole. These tests hold at any
// screen DPI; CI also runs them in a Wine prefix at 144 DPI.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "command_window.h"
#include "status.h"

namespace {

using command_tests::CommandWindow;

UINT(WINAPI* DpiOfWindow)(HWND) = nullptr;
BOOL(WINAPI* FrameForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;

void FindDpiFunctions() {
    HMODULE user = GetModuleHandleA("user32.dll");
    DpiOfWindow =
        reinterpret_cast<UINT(WINAPI*)(HWND)>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")));
    FrameForDpi = reinterpret_cast<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        reinterpret_cast<void*>(GetProcAddress(user, "AdjustWindowRectExForDpi")));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

bool Overlap(const Placement& a, const Placement& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The character height of a control's font (the system font when it has
// none), as the font mapper made it.
int TextHeight(HWND control) {
    HDC dc = GetDC(control);
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ kept = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, kept);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

// Width and height of `text` in the control's font.
SIZE TextSize(HWND control, const std::string& text, HFONT font = nullptr) {
    HDC dc = GetDC(control);
    if (!font) font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ kept = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, kept);
    ReleaseDC(control, dc);
    return size;
}

int FontHeight(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    if (!font || !GetObjectA(font, sizeof description, &description)) return 0;
    return description.lfHeight;
}

// The controls laid out from the 96-DPI layout: the keypad, the "=" key, the
// indicators, the task and answer lines, the quadratic labels and the copy
// buffer (ids), plus the display panel and the past-tasks list.
std::vector<int> LaidOutIds() {
    std::vector<int> ids;
    for (int id = IDC_KEY_FIRST; id <= IDC_KEY_LAST; ++id) ids.push_back(id);
    for (int id : {IDC_EQUALS, IDC_MEMORY_INDICATOR, IDC_MODE_AUTO, IDC_MODE_SCI, IDC_MODE_FIX, IDC_ANGLE_RAD,
                   IDC_ANGLE_DEG, IDC_ANGLE_GRAD, IDC_PREVIOUS_TASK, IDC_CURRENT_TASK, IDC_PREVIOUS_ANSWER,
                   IDC_CURRENT_ANSWER, IDC_X1_LABEL, IDC_X2_LABEL, IDC_COPY_BUFFER}) {
        ids.push_back(id);
    }
    return ids;
}

struct Face {
    RECT window;
    RECT client;
    std::vector<Placement> places;  // LaidOutIds order
    std::vector<int> fontHeights;   // lfHeight, 0 for the system font
    std::vector<int> textHeights;   // of the fonts as made
    Placement panel, pastTasks, input, toolbar;
    int toolbarImage;
    std::vector<int> tooltipTextHeights;  // of the thread's tooltip controls
};

BOOL CALLBACK CollectTooltipHeights(HWND window, LPARAM data) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0)
        reinterpret_cast<std::vector<int>*>(data)->push_back(TextHeight(window));
    return TRUE;
}

class DpiScaling : public CommandWindow {
protected:
    void SetUp() override {
        CommandWindow::SetUp();
        FindDpiFunctions();
    }

    HWND Panel() const {
        for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(child) == -1 || GetDlgCtrlID(child) == 0xFFFF) return child;
        }
        return nullptr;
    }

    HWND Toolbar() const { return FindWindowExA(Main(), nullptr, TOOLBARCLASSNAMEA, nullptr); }

    Face Read() const {
        Face face{};
        GetWindowRect(Main(), &face.window);
        face.client = ClientRect(Main());
        for (int id : LaidOutIds()) {
            face.places.push_back(PlacementOf(Control(id)));
            face.fontHeights.push_back(FontHeight(Control(id)));
            face.textHeights.push_back(TextHeight(Control(id)));
        }
        face.panel = PlacementOf(Panel());
        face.pastTasks = PlacementOf(PastTasks());
        face.input = PlacementOf(Input());
        face.toolbar = PlacementOf(Toolbar());
        int width = 0, height = 0;
        ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(Toolbar(), TB_GETIMAGELIST, 0, 0)), &width,
                              &height);
        face.toolbarImage = height;
        EnumThreadWindows(GetCurrentThreadId(), CollectTooltipHeights,
                          reinterpret_cast<LPARAM>(&face.tooltipTextHeights));
        return face;
    }

    // What the system sends when the window's screen changes its DPI, with
    // the window rectangle it suggests: the client area scaled, inside the
    // frame the system draws (which under Wine keeps its size).
    RECT ChangeDpi(int dpi) {
        RECT now{};
        GetWindowRect(Main(), &now);
        const RECT client = ClientRect(Main());
        const int from = DpiOfWindowNow();
        const int frameWidth = (now.right - now.left) - client.right;
        const int frameHeight = (now.bottom - now.top) - client.bottom;
        RECT suggested{now.left, now.top, now.left + MulDiv(client.right, dpi, from) + frameWidth,
                       now.top + MulDiv(client.bottom, dpi, from) + frameHeight};
        SendMessageA(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        Pump();
        dpi_ = dpi;
        return suggested;
    }

    int DpiOfWindowNow() const { return dpi_ ? dpi_ : ScreenDpi(); }

private:
    int dpi_ = 0;
};

// The program declares itself aware of each screen's DPI: its window is at
// the screen's DPI, not at 96 and stretched.
TEST_F(DpiScaling, WindowIsAtTheScreenDpi) {
    ASSERT_NE(DpiOfWindow, nullptr);
    EXPECT_EQ(static_cast<int>(DpiOfWindow(Main())), ScreenDpi());
}

// The client area at the screen's DPI is the one at 96 DPI scaled. The one
// at 96 DPI is what the window gives itself after a change to 96 DPI (the
// display-only view and back has it size itself), less the frame that the
// system would draw at 96 DPI.
TEST_F(DpiScaling, ClientAreaScalesWithTheScreen) {
    ASSERT_NE(FrameForDpi, nullptr);
    const int dpi = ScreenDpi();
    const RECT atScreen = ClientRect(Main());
    ChangeDpi(96);
    Command(IDM_DISPLAY_ONLY);
    Command(IDM_DISPLAY_ONLY);
    RECT window{};
    GetWindowRect(Main(), &window);
    RECT frame{0, 0, 0, 0};
    FrameForDpi(&frame, static_cast<DWORD>(GetWindowLongA(Main(), GWL_STYLE)), TRUE,
                static_cast<DWORD>(GetWindowLongA(Main(), GWL_EXSTYLE)), 96);
    const int width96 = (window.right - window.left) - (frame.right - frame.left);
    const int height96 = (window.bottom - window.top) - (frame.bottom - frame.top);
    // The frame the system really draws may differ from the one it reports
    // by a pixel or two (the menu bar is laid out from its font).
    EXPECT_NEAR(atScreen.right, Scaled(width96, dpi), 2);
    EXPECT_NEAR(atScreen.bottom, Scaled(height96, dpi), 2);
}

// From 96 DPI to another: the window takes the suggested rectangle, every
// control's place and size and every font of the layout is the one at 96 DPI
// scaled, the system font's keys and the toolbar images grow with the DPI.
// Back at the screen's DPI the face is as it started.
TEST_F(DpiScaling, FaceFollowsADpiChange) {
    const Face start = Read();
    ChangeDpi(96);
    const Face base = Read();
    for (int dpi : {120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        const RECT suggested = ChangeDpi(dpi);
        const Face face = Read();
        EXPECT_TRUE(EqualRect(&face.window, &suggested));
        const std::vector<int> ids = LaidOutIds();
        for (size_t i = 0; i < ids.size(); ++i) {
            SCOPED_TRACE(ids[i]);
            const Placement& was = base.places[i];
            EXPECT_EQ(face.places[i], (Placement{Scaled(was.x, dpi), Scaled(was.y, dpi), Scaled(was.width, dpi),
                                                 Scaled(was.height, dpi)}));
            // The layout's fonts scale exactly; a copy of the system font
            // is scaled from the system DPI and may round the other way, and
            // at the system DPI the system font itself is used (no font).
            if (base.fontHeights[i] != 0 && face.fontHeights[i] != 0) {
                EXPECT_NEAR(face.fontHeights[i], -Scaled(-base.fontHeights[i], dpi), 1);
            }
            // Fonts as made grow with the DPI, the system font's keys too
            // (the copy buffer is never shown and keeps its own).
            if (ids[i] != IDC_COPY_BUFFER) {
                EXPECT_GE(face.textHeights[i], Scaled(base.textHeights[i], dpi) - Scaled(2, dpi));
            }
        }
        EXPECT_EQ(face.panel, (Placement{Scaled(base.panel.x, dpi), Scaled(base.panel.y, dpi),
                                         Scaled(base.panel.width, dpi), Scaled(base.panel.height, dpi)}));
        EXPECT_EQ(face.pastTasks.x, Scaled(base.pastTasks.x, dpi));
        EXPECT_EQ(face.pastTasks.y, Scaled(base.pastTasks.y, dpi));
        EXPECT_EQ(face.pastTasks.width, Scaled(base.pastTasks.width, dpi));
        EXPECT_EQ(face.input, (Placement{Scaled(base.input.x, dpi), Scaled(base.input.y, dpi),
                                         Scaled(base.input.width, dpi), Scaled(base.input.height, dpi)}));
        EXPECT_EQ(face.toolbar.x, Scaled(base.toolbar.x, dpi));
        EXPECT_EQ(face.toolbar.y, Scaled(base.toolbar.y, dpi));
        // The standard images come in two sizes: the larger one once the
        // smaller one scaled would be as large, never larger than that.
        EXPECT_LE(face.toolbarImage, Scaled(base.toolbarImage, dpi));
        EXPECT_GE(face.toolbarImage, Scaled(base.toolbarImage, dpi) * 2 / 3);
        EXPECT_GE(face.toolbar.height, face.toolbarImage);
        // The tooltips' text grows with the DPI too.
        ASSERT_EQ(face.tooltipTextHeights.size(), base.tooltipTextHeights.size());
        ASSERT_FALSE(base.tooltipTextHeights.empty());
        for (size_t i = 0; i < base.tooltipTextHeights.size(); ++i) {
            EXPECT_GE(face.tooltipTextHeights[i], Scaled(base.tooltipTextHeights[i], dpi) - Scaled(2, dpi));
        }
    }
    ChangeDpi(ScreenDpi());
    const Face back = Read();
    EXPECT_EQ(back.places, start.places);
    EXPECT_EQ(back.fontHeights, start.fontHeights);
    // The toolbar's window takes the width of the client area, which the
    // round trip may leave a pixel off; its place and height come back.
    EXPECT_EQ(back.toolbar.x, start.toolbar.x);
    EXPECT_EQ(back.toolbar.y, start.toolbar.y);
    EXPECT_EQ(back.toolbar.height, start.toolbar.height);
}

// At the screen's DPI and at others: every shown control lies inside the
// client area, the display's texts inside the display panel without covering
// each other, the toolbar between the display and the keypad, neighbouring
// keys share no more than their seam, and every key caption and indicator
// text fits its control.
TEST_F(DpiScaling, NothingOverlapsOrIsCut) {
    for (int dpi : {ScreenDpi(), 96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        // Below the screen's DPI, Wine keeps drawing the menu bar in the
        // screen's menu font, and the bar wraps in the narrower window.
        if (dpi < ScreenDpi()) continue;
        if (dpi != ScreenDpi() || DpiOfWindowNow() != dpi) ChangeDpi(dpi);
        const RECT client = ClientRect(Main());
        const Placement panel = PlacementOf(Panel());
        HWND toolbarWindow = FindWindowExA(Main(), nullptr, TOOLBARCLASSNAMEA, nullptr);
        for (HWND child = GetWindow(Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            // The toolbar's window reaches past its buttons; they are below.
            if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) || child == toolbarWindow) continue;
            SCOPED_TRACE(GetDlgCtrlID(child));
            const Placement place = PlacementOf(child);
            EXPECT_GE(place.x, 0);
            EXPECT_GE(place.y, 0);
            EXPECT_LE(place.x + place.width, client.right);
            EXPECT_LE(place.y + place.height, client.bottom);
        }
        const int display[] = {IDC_MEMORY_INDICATOR, IDC_MODE_AUTO,       IDC_MODE_SCI,       IDC_MODE_FIX,
                               IDC_ANGLE_RAD,        IDC_ANGLE_DEG,       IDC_ANGLE_GRAD,     IDC_PREVIOUS_TASK,
                               IDC_CURRENT_TASK,     IDC_PREVIOUS_ANSWER, IDC_CURRENT_ANSWER, IDC_PAST_TASKS};
        for (int id : display) {
            SCOPED_TRACE(id);
            const Placement place = PlacementOf(Control(id));
            EXPECT_GE(place.x, panel.x);
            EXPECT_GE(place.y, panel.y);
            EXPECT_LE(place.x + place.width, panel.x + panel.width);
            EXPECT_LE(place.y + place.height, panel.y + panel.height);
            for (int other : display) {
                if (other != id) {
                    EXPECT_FALSE(Overlap(place, PlacementOf(Control(other)))) << other;
                }
            }
        }
        const Placement toolbar = PlacementOf(toolbarWindow);
        EXPECT_GE(toolbar.y, panel.y + panel.height);
        EXPECT_LE(toolbar.y + toolbar.height, PlacementOf(Key(0)).y);
        const LRESULT buttons = SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0);
        RECT last{};
        SendMessageA(toolbarWindow, TB_GETITEMRECT, buttons - 1, reinterpret_cast<LPARAM>(&last));
        EXPECT_LE(toolbar.x + last.right, client.right);
        EXPECT_LE(last.bottom, toolbar.height);
        // Neighbouring keys share a seam of one pixel at 96 DPI.
        const int seam = Scaled(1, dpi) + 1;
        for (int k = 0; k < 34; ++k) {
            SCOPED_TRACE(k);
            const Placement key = PlacementOf(Key(k));
            if (k % 6 < 5 && k + 1 < 34) {
                const Placement right = PlacementOf(Key(k + 1));
                EXPECT_LE(key.x + key.width - right.x, seam);
                EXPECT_EQ(key.y, right.y);
            }
            if (k + 6 < 34) {
                EXPECT_LE(key.y + key.height - PlacementOf(Key(k + 6)).y, seam);
            }
            const SIZE text = TextSize(Key(k), WindowText(Key(k)));
            EXPECT_LT(text.cx, key.width);
            EXPECT_LT(text.cy, key.height);
        }
        for (int id : {IDC_MEMORY_INDICATOR, IDC_MODE_AUTO, IDC_MODE_SCI, IDC_MODE_FIX, IDC_ANGLE_RAD, IDC_ANGLE_DEG,
                       IDC_ANGLE_GRAD}) {
            SCOPED_TRACE(id);
            const SIZE text = TextSize(Control(id), WindowText(Control(id)));
            const RECT inside = ClientRect(Control(id));
            EXPECT_LE(text.cx, inside.right);
            EXPECT_LE(text.cy, inside.bottom);
        }
    }
}

// The Task History dialog placed beside the main window takes the main
// window's full size and a gap that scale with it.
TEST_F(DpiScaling, HistoryDialogBesideTakesTheWindowsSize) {
    int gapAtScreen = 0;
    for (int dpi : {ScreenDpi(), 192}) {
        SCOPED_TRACE(dpi);
        if (dpi != ScreenDpi()) ChangeDpi(dpi);
        // The full window as it sizes itself at this DPI.
        Command(IDM_DISPLAY_ONLY);
        Command(IDM_DISPLAY_ONLY);
        Command(IDM_VIEW_HISTORY);
        RECT main = WindowRect(Main());
        RECT history = WindowRect(HistoryDialog());
        EXPECT_EQ(history.top, main.top);
        EXPECT_EQ(history.bottom - history.top, main.bottom - main.top);
        EXPECT_EQ(history.right - history.left, main.right - main.left);
        const int gap = history.left >= main.right ? history.left - main.right : main.left - history.right;
        if (dpi == ScreenDpi()) {
            gapAtScreen = gap;
        } else {
            EXPECT_NEAR(gap, MulDiv(gapAtScreen, dpi, ScreenDpi()), 1);
        }
        Command(IDM_VIEW_HISTORY);
    }
}

// The widest answers the formatter writes and the longest messages are shown
// whole in both answer lines at every DPI: in the answer font where they fit
// it, otherwise in the largest smaller one that they fit.
class AnswerFit : public DpiScaling {
protected:
    // The answer font's height for a short answer, in which nothing needs to
    // step down.
    int DesignedHeight(int id) {
        SetWindowTextA(Control(id), "1");
        return -FontHeight(Control(id));
    }

    void ExpectWhole(int id, const std::string& text, int designed) {
        SCOPED_TRACE(text);
        HWND line = Control(id);
        EXPECT_EQ(WindowText(line), text);
        const int width = ClientRect(line).right;
        EXPECT_LE(TextSize(line, text).cx, width);
        const int height = -FontHeight(line);
        EXPECT_LE(height, designed);
        if (height < designed) {
            // It stepped down because the next larger font would cut it.
            LOGFONTA larger{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(line, WM_GETFONT, 0, 0)), sizeof larger, &larger);
            larger.lfHeight = -(height + 1);
            HFONT font = CreateFontIndirectA(&larger);
            EXPECT_GT(TextSize(line, text, font).cx, width);
            DeleteObject(font);
        }
    }
};

TEST_F(AnswerFit, WidestAnswersShownWholeAtEveryScaling) {
    std::vector<std::string> messages{"Expression is too long !", "<Complex number>"};
    for (size_t i = 0; i < kStatusMessageCount; ++i) messages.push_back(kStatusMessages[i].text);
    Command(IDM_MODE_FIX);
    Command(IDM_DECIMALS_FIRST + 15);
    Command(IDM_DIGIT_GROUPING);
    for (int dpi : {ScreenDpi(), 96, 110, 120, 132, 144, 168, 192, 240}) {
        SCOPED_TRACE(dpi);
        if (dpi != ScreenDpi() || DpiOfWindowNow() != dpi) ChangeDpi(dpi);
        const int designed = DesignedHeight(IDC_CURRENT_ANSWER);
        Enter("-1234567.891");
        Enter("-1234567.891");
        EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "-1 234 567.891 000 000 061 467");
        ExpectWhole(IDC_CURRENT_ANSWER, Text(IDC_CURRENT_ANSWER), designed);
        ExpectWhole(IDC_PREVIOUS_ANSWER, Text(IDC_PREVIOUS_ANSWER), designed);
        for (const std::string& message : messages) {
            SetWindowTextA(Control(IDC_CURRENT_ANSWER), message.c_str());
            ExpectWhole(IDC_CURRENT_ANSWER, message, designed);
        }
        // A short answer takes the answer font itself again.
        Enter("2");
        EXPECT_EQ(-FontHeight(Control(IDC_CURRENT_ANSWER)), designed);
    }
}

// A line that is too narrow for the answer font at a DPI steps down; the
// same text at 96 DPI keeps the answer font. Shown with a message made wider
// than any real one, so that it needs a smaller font at every DPI.
TEST_F(AnswerFit, TooWideAnswerStepsDownAndBack) {
    ChangeDpi(96);
    const int designed = DesignedHeight(IDC_CURRENT_ANSWER);
    const std::string wide = "-888 888 888 888.888 888 888 888 888 888";
    SetWindowTextA(Control(IDC_CURRENT_ANSWER), wide.c_str());
    EXPECT_LT(-FontHeight(Control(IDC_CURRENT_ANSWER)), designed);
    ExpectWhole(IDC_CURRENT_ANSWER, wide, designed);
    ChangeDpi(192);
    const int designed192 = DesignedHeight(IDC_CURRENT_ANSWER);
    SetWindowTextA(Control(IDC_CURRENT_ANSWER), wide.c_str());
    ExpectWhole(IDC_CURRENT_ANSWER, wide, designed192);
    EXPECT_GT(-FontHeight(Control(IDC_CURRENT_ANSWER)), designed);
}

}  // namespace
