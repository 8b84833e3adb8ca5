#include "printing.h"

#include <commdlg.h>

#include "history_file_commands.h"
#include "print_layout.h"
#include "window_texts.h"

namespace {

// Draws on the printer's device context, one page after the other.
class PrinterPages : public PrintedPageSink {
public:
    explicit PrinterPages(HDC dc) : dc_(dc) {}

    void NextPage() override {
        EndPage(dc_);
        StartPage(dc_);
    }

    void DrawLine(int x, int y, const char* text, size_t length) override {
        TextOutA(dc_, x, y, text, static_cast<int>(length));
    }

private:
    HDC dc_;
};

PrinterMetrics MeasurePrinter(HDC dc) {
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    PrinterMetrics m{};
    m.pixelsPerInchX = GetDeviceCaps(dc, LOGPIXELSX);
    m.pixelsPerInchY = GetDeviceCaps(dc, LOGPIXELSY);
    m.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    m.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    m.pageWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    m.pageHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    m.averageCharWidth = font.tmAveCharWidth;
    m.charHeight = font.tmHeight;
    return m;
}

void PrintText(HDC dc, const char* text, size_t length, PageRange range) {
    SetMapMode(dc, MM_TEXT);
    HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEVICE_DEFAULT_FONT));
    const PageGeometry geometry = ComputePageGeometry(MeasurePrinter(dc));

    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kPrintDocumentName;
    // Without a started document there is nothing to draw on.
    if (StartDocA(dc, &document) > 0) {
        StartPage(dc);
        PrinterPages pages(dc);
        LayOutHistory(text, length, geometry, range, pages);
        EndPage(dc);
        EndDoc(dc);
    }
    if (previousFont) SelectObject(dc, previousFont);
}

}  // namespace

int PrintHistory(HWND owner, HWND history) {
    size_t length = 0;
    std::unique_ptr<char[]> text = ReadHistoryText(history, length);
    if (!text) return 0;
    if (!IsEnoughToPrint(length)) {
        MessageBoxA(nullptr, kNoPrintDataText, kPrintCaption, MB_OK | MB_ICONWARNING);
        return 0;
    }

    PRINTDLGA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    request.nFromPage = kPrintDialogFromPage;
    request.nToPage = kPrintDialogToPage;
    request.nMinPage = kPrintDialogMinPage;
    request.nMaxPage = kPrintDialogMaxPage;
    request.nCopies = kPrintDialogCopies;
    if (!PrintDlgA(&request)) return 1;

    const PageRange range = ChoosePageRange((request.Flags & PD_PAGENUMS) != 0, request.nFromPage, request.nToPage);
    if (request.hDC) {
        PrintText(request.hDC, text.get(), length, range);
        DeleteDC(request.hDC);
    }
    if (request.hDevMode) GlobalFree(request.hDevMode);
    if (request.hDevNames) GlobalFree(request.hDevNames);
    return 0;
}
