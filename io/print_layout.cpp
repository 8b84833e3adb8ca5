#include "print_layout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr PageRange kAllPages{1, 999};

}  // namespace

PageGeometry ComputePageGeometry(const PrinterMetrics& m) {
    const int charWidth = std::max(m.averageCharWidth, 1);
    const int charHeight = std::max(m.charHeight, 1);
    PageGeometry g;
    g.x0 = m.pixelsPerInchX - m.offsetX;
    g.y0 = m.pixelsPerInchY - m.offsetY;
    g.charsPerLine = (m.pageWidth - 2 * m.pixelsPerInchX) / charWidth;
    g.linesPerPage = (m.pageHeight - 2 * m.pixelsPerInchY) / charHeight;
    g.lineHeight = charHeight;
    return g;
}

PageRange ChoosePageRange(bool rangeChosen, int from, int to) {
    if (!rangeChosen) return kAllPages;
    if (from > to) std::swap(from, to);
    return {std::max(from, 1), std::max(to, 1)};
}

size_t PrintedLineWidth(int charsPerLine) {
    if (charsPerLine < 2) return 1;
    return std::min(static_cast<size_t>(charsPerLine) - 1, kPrintedLineCapacity);
}

size_t CutPrintedLine(const char* text, size_t length, size_t& pos, size_t width, char* line) {
    width = std::clamp<size_t>(width, 1, kPrintedLineCapacity);
    size_t n = 0;
    while (pos < length && n < width && text[pos] != '\r') line[n++] = text[pos++];
    line[n] = 0;
    if (n < width && pos < length) {
        // Stopped at a CR. Only an LF goes with it: any other character, and
        // the end of the text, belongs to what follows.
        ++pos;
        if (pos < length && text[pos] == '\n') ++pos;
    }
    return n;
}

void LayOutHistory(const char* text, size_t length, const PageGeometry& geometry, PageRange range,
                   PrintedPageSink& sink) {
    const size_t width = PrintedLineWidth(geometry.charsPerLine);
    const int linesPerPage = std::max(geometry.linesPerPage, 1);
    char line[kPrintedLineCapacity + 1];
    int page = 1;
    int row = 0;
    size_t pos = 0;
    while (pos < length) {
        const size_t n = CutPrintedLine(text, length, pos, width, line);
        const bool inRange = page >= range.from && page <= range.to;
        if (row == linesPerPage) {
            if (inRange) {
                if (page == range.to) return;
                sink.NextPage();
                sink.DrawLine(geometry.x0, geometry.y0, line, n);
                ++page;
            } else {
                ++page;
                if (page == range.from) sink.DrawLine(geometry.x0, geometry.y0, line, n);
            }
            row = 1;
        } else {
            if (inRange) sink.DrawLine(geometry.x0, geometry.y0 + row * geometry.lineHeight, line, n);
            ++row;
        }
    }
}
