// Printing the history on arbitrary text and page measurements.
//
// Input: the first line holds the printer's measurements and the page range,
// two bytes each (little-endian, signed 16-bit, as a printer driver could
// report them): pixels per inch x and y, offsets x and y, page width and
// height, average character width and height, then "from" and "to" and one
// byte telling whether a range was chosen. The rest of the input is the
// history text.
//
// Checked: the cutter writes at most the width and a NUL, always advances,
// and its lines put back together with the line ends it consumed give the
// text again; the layout draws exactly the lines of the pages in the range, in
// order, each at its row, and ends and starts a page exactly before the first
// line of every later page in the range.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "print_layout.h"

namespace {

using fuzz::Broken;

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int Short() {
        const int low = Byte();
        const int high = Byte();
        return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
    }
    int Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    size_t Position() const { return pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

struct Event {
    bool nextPage;
    int x, y;
    std::string text;
    bool operator==(const Event&) const = default;
};

class RecordingSink : public PrintedPageSink {
public:
    void NextPage() override { events.push_back({true, 0, 0, {}}); }
    void DrawLine(int x, int y, const char* text, size_t length) override {
        if (std::strlen(text) > length || length > kPrintedLineCapacity) Broken("a drawn line longer than its buffer");
        events.push_back({false, x, y, std::string(text, length)});
    }
    std::vector<Event> events;
};

// Cuts the whole text, checking the cutter against the text itself.
std::vector<std::string> CutAll(const char* text, size_t length, size_t width) {
    std::vector<std::string> lines;
    const size_t limit = width < 1 ? 1 : width > kPrintedLineCapacity ? kPrintedLineCapacity : width;
    // Guarded buffer: one byte past the NUL is a marker that must survive.
    char line[kPrintedLineCapacity + 2];
    size_t pos = 0;
    while (pos < length) {
        std::memset(line, 0x5A, sizeof line);
        const size_t start = pos;
        const size_t n = CutPrintedLine(text, length, pos, width, line);
        if (n > limit || line[n] != 0) Broken("a cut line longer than the width or not terminated");
        if (line[kPrintedLineCapacity + 1] != 0x5A) Broken("the cutter wrote past its buffer");
        if (pos <= start || pos > length) Broken("the cutter did not advance within the text");
        if (std::memcmp(line, text + start, n) != 0) Broken("a cut line that is not the text");
        // What the cutter consumed beyond the line: nothing (cut at the width
        // or the end), or a CR with at most one LF after it.
        const size_t rest = pos - start - n;
        const char* after = text + start + n;
        const bool fine = rest == 0 ? (n == limit || pos == length)
                                    : (after[0] == '\r' && (rest == 1 || (rest == 2 && after[1] == '\n')));
        if (!fine || std::memchr(line, '\r', n) != nullptr) Broken("a line end consumed wrongly");
        if (rest == 1 && pos < length && text[pos] == '\n') Broken("an LF after the CR left behind");
        lines.emplace_back(line, n);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in(data, size);
    PrinterMetrics metrics;
    metrics.pixelsPerInchX = in.Short();
    metrics.pixelsPerInchY = in.Short();
    metrics.offsetX = in.Short();
    metrics.offsetY = in.Short();
    metrics.pageWidth = in.Short();
    metrics.pageHeight = in.Short();
    metrics.averageCharWidth = in.Short();
    metrics.charHeight = in.Short();
    const int from = in.Short();
    const int to = in.Short();
    const bool rangeChosen = in.Byte() & 1;
    const size_t start = in.Position() < size ? in.Position() : size;

    // The text sized exactly, so that reading past its end is caught.
    const size_t length = size - start;
    std::unique_ptr<char[]> text(new char[length ? length : 1]);
    if (length) std::memcpy(text.get(), data + start, length);

    const PageGeometry geometry = ComputePageGeometry(metrics);
    const PageRange range = ChoosePageRange(rangeChosen, from, to);
    if (range.from < 1 || range.to < range.from) Broken("a page range out of order");
    const size_t width = PrintedLineWidth(geometry.charsPerLine);
    if (width < 1 || width > kPrintedLineCapacity) Broken("a line width outside the buffer");

    const std::vector<std::string> lines = CutAll(text.get(), length, width);

    // What the pages of the range must show.
    const long long perPage = geometry.linesPerPage < 1 ? 1 : geometry.linesPerPage;
    std::vector<Event> expected;
    for (size_t i = 0; i < lines.size(); ++i) {
        const long long page = static_cast<long long>(i) / perPage + 1;
        const long long row = static_cast<long long>(i) % perPage;
        if (page < range.from) continue;
        if (page > range.to) break;
        if (row == 0 && page > range.from) expected.push_back({true, 0, 0, {}});
        const long long y = geometry.y0 + row * geometry.lineHeight;
        expected.push_back({false, geometry.x0, static_cast<int>(y), lines[i]});
    }

    RecordingSink sink;
    LayOutHistory(text.get(), length, geometry, range, sink);
    if (sink.events != expected) Broken("the pages drawn are not the lines of the range");
    return 0;
}
