// Printing the history: the page geometry from the printer's measurements,
// the cutting of the history into printed lines, and their placement on the
// pages of a page range. The caller measures the printer and draws; this part
// decides what goes where, in one pass and without storing the layout.
#pragma once

#include <cstddef>

// A history shorter than this is not printed (the window says there is
// nothing to print instead).
inline constexpr size_t kPrintMinimumLength = 64;

// Printed lines are built in a 128-character buffer: at most 127 characters.
inline constexpr size_t kPrintedLineCapacity = 127;

inline bool IsEnoughToPrint(size_t historyLength) { return historyLength >= kPrintMinimumLength; }

// The printer's measurements in device pixels, with the default device font
// selected.
struct PrinterMetrics {
    int pixelsPerInchX;    // horizontal pixels per inch
    int pixelsPerInchY;    // vertical pixels per inch
    int offsetX;           // physical horizontal offset of the printable area
    int offsetY;           // physical vertical offset of the printable area
    int pageWidth;         // physical page width
    int pageHeight;        // physical page height
    int averageCharWidth;  // average character width of the font
    int charHeight;        // character height of the font
};

// Where and how much text goes on a page, one-inch margins all round.
struct PageGeometry {
    int x0;            // left edge of the text
    int y0;            // top edge of the text
    int charsPerLine;  // W
    int linesPerPage;  // H
    int lineHeight;    // the character height: distance between printed lines
};

// x0 = pixels per inch - offset (each direction); W and H are the page size
// less two inches divided (integer division) by the character width and
// height. A width or height measured as less than 1 counts as 1, so a broken
// font never divides by zero.
PageGeometry ComputePageGeometry(const PrinterMetrics& metrics);

struct PageRange {
    int from;
    int to;
};

// The pages to print: `from` to `to` when the user chose a range, otherwise
// 1 to 999. A range is put in order and starts at page 1 or later.
PageRange ChoosePageRange(bool rangeChosen, int from, int to);

// How many characters a printed line may hold for a page of W characters:
// W - 1, but at least 1 (so that cutting always advances) and at most
// kPrintedLineCapacity (a wider page wraps at the buffer instead of losing text).
size_t PrintedLineWidth(int charsPerLine);

// Cuts the next printed line out of `text` (`length` bytes) from `pos`: it
// takes characters until a CR, `width` characters, or the end of the text.
// A CR ends the line and is consumed together with an LF right after it; a
// line cut at `width` leaves the next character, even a CR, to the next line
// (so a line of exactly `width` characters before its CR LF is followed by an
// empty printed line). Writes at most `width` characters and a NUL to `line`,
// which must hold kPrintedLineCapacity + 1 chars; `width` is held within 1
// and kPrintedLineCapacity. Returns the line's length and advances `pos`, never
// beyond `length`. Call only while `pos` < `length`.
size_t CutPrintedLine(const char* text, size_t length, size_t& pos, size_t width, char* line);

// What the layout asks the printer to do. The document and its first page are
// started before LayOutHistory and ended after it.
class PrintedPageSink {
public:
    virtual ~PrintedPageSink() = default;
    // End the current page and start the next one.
    virtual void NextPage() = 0;
    // Draw `length` characters of `text` (also NUL-terminated) at (x, y).
    virtual void DrawLine(int x, int y, const char* text, size_t length) = 0;
};

// Cuts the history into printed lines and places them page by page. Pages
// before the range are laid out but not drawn, and no page is ended or started
// for them: the first page of the range is drawn on the page already started.
// Within the range a full page is followed by NextPage; a line that would begin
// the page after the last page of the range ends the layout. A line L of a page
// is drawn at (x0, y0 + L * lineHeight). A geometry of fewer than 1 line per
// page counts as 1 line.
void LayOutHistory(const char* text, size_t length, const PageGeometry& geometry, PageRange range,
                   PrintedPageSink& sink);
