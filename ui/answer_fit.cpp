#include "answer_fit.h"

#include "app.h"
#include "control_fonts.h"
#include "display_rules.h"

namespace {

// Below this character height text is no longer worth reading; an answer
// that still does not fit is shown in it (cut) rather than smaller.
constexpr int kSmallestHeight = 6;

void SelectMeasuringFont(AnswerFonts& fonts, HFONT font) {
    if (font == fonts.measuringFont) return;
    SelectObject(fonts.measuring, font);
    fonts.measuringFont = font;
}

// A character count that fits the width in `font` whatever the characters.
bool FitsUnmeasured(AppState& app, HFONT font, int length, int width) {
    AnswerFonts& fonts = app.answerFonts;
    if (font != fonts.widestCharFont || app.dpi != fonts.widestCharDpi) {
        TEXTMETRICA metrics{};
        SelectMeasuringFont(fonts, font);
        fonts.widestChar = GetTextMetricsA(fonts.measuring, &metrics) ? metrics.tmMaxCharWidth : 0;
        fonts.widestCharFont = font;
        fonts.widestCharDpi = app.dpi;
    }
    return fonts.widestChar > 0 && length * fonts.widestChar <= width;
}

HFONT AnswerFont(AppState& app, int height, int designHeight) {
    if (height >= designHeight || height > AnswerFonts::kMaxHeight) return app.fonts[kAnswerFont];
    HFONT& smaller = app.answerFonts.smallerFonts[height];
    if (!smaller) {
        LOGFONTA description = FontDescription(kAnswerFont, app.dpi);
        description.lfHeight = -height;
        smaller = CreateFontIndirectA(&description);
    }
    return smaller;
}

int TextWidth(AnswerFonts& fonts, HFONT font, const char* text, int length) {
    SelectMeasuringFont(fonts, font);
    SIZE size{};
    GetTextExtentPoint32A(fonts.measuring, text, length, &size);
    return size.cx;
}

// The answer font when `text` fits the line in it, otherwise the highest
// smaller one in which it does.
HFONT FontFor(AppState& app, HWND line, const char* text) {
    HFONT designed = app.fonts[kAnswerFont];
    int length = lstrlenA(text);
    if (!designed || length == 0) return designed;
    HDC& measuring = app.answerFonts.measuring;
    if (!measuring) measuring = CreateCompatibleDC(nullptr);
    if (!measuring) return designed;
    RECT client{};
    GetClientRect(line, &client);
    HFONT chosen = designed;
    bool fits = FitsUnmeasured(app, designed, length, client.right) ||
                TextWidth(app.answerFonts, designed, text, length) <= client.right;
    if (!fits) {
        int designHeight = -FontDescription(kAnswerFont, app.dpi).lfHeight;
        for (int height = designHeight - 1; height >= kSmallestHeight; --height) {
            HFONT smaller = AnswerFont(app, height, designHeight);
            if (!smaller) break;
            chosen = smaller;
            if (TextWidth(app.answerFonts, smaller, text, length) <= client.right) break;
        }
    }
    return chosen;
}

void SetFontFor(AppState& app, HWND line, const char* text, BOOL redraw) {
    HFONT font = FontFor(app, line, text);
    if (font && reinterpret_cast<HFONT>(SendMessageA(line, WM_GETFONT, 0, 0)) != font) {
        SendMessageA(line, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
}

// The line's user data is the state of the main window.
LRESULT CALLBACK AnswerLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam) {
    AppState& app = *AppStateOf(line);
    LRESULT result = CallWindowProcA(app.answerLineProc, line, message, wParam, lParam);
    // The text is read back from the line rather than taken from the message,
    // which may come in either character set. Both the new text and the new
    // font only invalidate the line, so it is drawn once.
    if (message == WM_SETTEXT) FitAnswerFont(app, line);
    return result;
}

}  // namespace

void WatchAnswerLine(AppState& app, HWND line) {
    if (!line) return;
    // Both answer lines are statics: one procedure to hand their messages on to.
    ReplaceControlProcedure(app, line, AnswerLineProc, app.answerLineProc);
}

void FitAnswerFont(AppState& app, HWND line) {
    if (!line) return;
    char text[kDisplayLineCapacity + 1] = "";
    GetWindowTextA(line, text, sizeof text);
    SetFontFor(app, line, text, TRUE);
}

void ReleaseMeasuringFont(AnswerFonts& fonts) {
    if (fonts.measuring && fonts.measuringFont) SelectObject(fonts.measuring, GetStockObject(SYSTEM_FONT));
    fonts.measuringFont = nullptr;
}

void DestroyAnswerFonts(AnswerFonts& fonts) {
    ReleaseMeasuringFont(fonts);
    if (fonts.measuring) DeleteDC(fonts.measuring);
    fonts.measuring = nullptr;
    fonts.widestCharFont = nullptr;
    for (HFONT& font : fonts.smallerFonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}
