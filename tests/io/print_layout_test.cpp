#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_layout.h"

namespace {

TEST(PrintGeometry, FromPrinterMetrics) {
    struct Row {
        const char* name;
        PrinterMetrics metrics;
        PageGeometry expected;
    };
    const Row rows[] = {
        // ppi x/y, offset x/y, page w/h, char w/h  ->  x0, y0, W, H, line height
        {"A4 at 300 dpi", {300, 300, 0, 0, 2479, 3508, 25, 50}, {300, 300, 75, 58, 50}},
        {"offsets move the text", {300, 300, 20, 30, 2479, 3508, 25, 50}, {280, 270, 75, 58, 50}},
        {"different resolutions", {600, 300, 50, 25, 5100, 3300, 33, 49}, {550, 275, 118, 55, 49}},
        // A broken font measured 0 wide or high divides by 1, not by zero.
        {"zero font metrics", {100, 100, 0, 0, 850, 1100, 0, 0}, {100, 100, 650, 900, 1}},
        {"page smaller than the margins", {300, 300, 0, 0, 500, 500, 25, 50}, {300, 300, -4, -2, 50}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PageGeometry g = ComputePageGeometry(row.metrics);
        EXPECT_EQ(g.x0, row.expected.x0);
        EXPECT_EQ(g.y0, row.expected.y0);
        EXPECT_EQ(g.charsPerLine, row.expected.charsPerLine);
        EXPECT_EQ(g.linesPerPage, row.expected.linesPerPage);
        EXPECT_EQ(g.lineHeight, row.expected.lineHeight);
    }
}

TEST(PrintGeometry, PageRangeAndMinimum) {
    struct Row {
        bool chosen;
        int from, to;
        int expectedFrom, expectedTo;
    };
    const Row rows[] = {
        {false, 2, 3, 1, 999},  // without a chosen range: pages 1 to 999
        {false, 1, 1, 1, 999}, {true, 2, 3, 2, 3}, {true, 5, 5, 5, 5},
        {true, 3, 2, 2, 3},    {true, 0, 0, 1, 1}, {true, -4, 2, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.chosen << " " << row.from << "-" << row.to);
        const PageRange range = ChoosePageRange(row.chosen, row.from, row.to);
        EXPECT_EQ(range.from, row.expectedFrom);
        EXPECT_EQ(range.to, row.expectedTo);
    }
    EXPECT_FALSE(IsEnoughToPrint(0));
    EXPECT_FALSE(IsEnoughToPrint(63));
    EXPECT_TRUE(IsEnoughToPrint(64));
}

TEST(PrintedLines, WidthFromCharactersPerLine) {
    struct Row {
        int charsPerLine;
        size_t width;
    };
    const Row rows[] = {
        {80, 79},    {2, 1}, {128, 127}, {129, 127},
        {5000, 127}, {1, 1}, {0, 1},     {-7, 1},  // too narrow a page still advances one character a line
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.charsPerLine);
        EXPECT_EQ(PrintedLineWidth(row.charsPerLine), row.width);
    }
}

std::vector<std::string> Cut(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size() && lines.size() <= text.size()) {
        std::string guard(kPrintedLineCapacity + 8, '#');
        const size_t n = CutPrintedLine(text.data(), text.size(), pos, width, guard.data());
        EXPECT_LE(pos, text.size());
        EXPECT_EQ(guard[n], '\0');
        EXPECT_EQ(guard.substr(kPrintedLineCapacity + 1), std::string(7, '#'));
        lines.push_back(guard.substr(0, n));
    }
    return lines;
}

TEST(PrintedLines, CutAtCarriageReturnOrWidth) {
    using Lines = std::vector<std::string>;
    struct Row {
        std::string text;
        size_t width;
        Lines lines;
    };
    const Row rows[] = {
        {"abc\r\ndef\r\n", 10, {"abc", "def"}},
        {"abc\r\ndef", 10, {"abc", "def"}},
        {"abcdefgh", 3, {"abc", "def", "gh"}},
        {"abc\r\n", 3, {"abc", ""}},  // exactly W - 1 characters: the CR makes an empty line
        {"abc\r\nd", 3, {"abc", "", "d"}},
        {"ab\r\nd", 3, {"ab", "d"}},
        {"\r\n\r\n", 5, {"", ""}},
        {"a\r", 5, {"a"}},        // a CR at the very end does not step past the text
        {"a\rb", 5, {"a", "b"}},  // only an LF goes with the CR
        {"a\r\r\nb", 5, {"a", "", "b"}},
        {"a\nb", 5, {"a\nb"}},
        {"ab\r\n", 0, {"a", "b", ""}},  // width 0 is taken as 1
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text) + " width " + std::to_string(row.width));
        EXPECT_EQ(Cut(row.text, row.width), row.lines);
    }
}

TEST(PrintedLines, WideLinesStayInTheBuffer) {
    const std::string text = std::string(300, 'x') + "\r\ny";
    for (size_t width : {127u, 128u, 500u}) {
        SCOPED_TRACE(width);
        std::vector<size_t> lengths;
        for (const std::string& line : Cut(text, width)) lengths.push_back(line.size());
        EXPECT_EQ(lengths, (std::vector<size_t>{127, 127, 46, 1}));
    }
}

// Draws as "page:row:text"; checks every position against the geometry.
class RecordingSink : public PrintedPageSink {
public:
    explicit RecordingSink(const PageGeometry& g) : g_(g) {}

    void NextPage() override {
        ++newPages;
        if (pages.empty()) pages.emplace_back();  // the first page, even if nothing was drawn on it
        pages.emplace_back();
    }
    void DrawLine(int x, int y, const char* text, size_t length) override {
        EXPECT_EQ(x, g_.x0);
        EXPECT_EQ((y - g_.y0) % g_.lineHeight, 0);
        const int row = (y - g_.y0) / g_.lineHeight;
        EXPECT_GE(row, 0);
        EXPECT_LT(row, g_.linesPerPage < 1 ? 1 : g_.linesPerPage);
        EXPECT_EQ(std::string(text).size(), length);
        if (pages.empty()) pages.emplace_back();
        pages.back().push_back(std::to_string(row) + ":" + std::string(text, length));
    }

    std::vector<std::vector<std::string>> pages;  // one entry per page that got a line or was started
    int newPages = 0;                             // pages started after the first one

private:
    PageGeometry g_;
};

std::string Numbered(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += 'L';
        text += std::to_string(i);
        text += "\r\n";
    }
    return text;
}

// Pages as "0:L1 1:L2|0:L3": rows and texts per page, "|" at each new page.
std::string Layout(const std::string& text, int charsPerLine, int linesPerPage, PageRange range, int* newPages) {
    const PageGeometry geometry{40, 60, charsPerLine, linesPerPage, 12};
    RecordingSink sink(geometry);
    LayOutHistory(text.data(), text.size(), geometry, range, sink);
    *newPages = sink.newPages;
    std::string out;
    for (size_t p = 0; p < sink.pages.size(); ++p) {
        if (p) out += "|";
        for (size_t i = 0; i < sink.pages[p].size(); ++i) out += (i ? " " : "") + sink.pages[p][i];
    }
    return out;
}

TEST(PrintLayout, PagesOfARange) {
    struct Row {
        const char* name;
        int lines;
        int linesPerPage;
        PageRange range;
        const char* pages;
        int newPages;  // pages started after the first one
    };
    const Row rows[] = {
        {"all pages", 7, 3, {1, 999}, "0:L1 1:L2 2:L3|0:L4 1:L5 2:L6|0:L7", 2},
        {"full last page: no empty page after it", 6, 3, {1, 999}, "0:L1 1:L2 2:L3|0:L4 1:L5 2:L6", 1},
        {"short history: one page", 2, 3, {1, 999}, "0:L1 1:L2", 0},
        // The first H lines are skipped; the range's first page is the one already started.
        {"pages 2 to 3", 12, 3, {2, 3}, "0:L4 1:L5 2:L6|0:L7 1:L8 2:L9", 1},
        {"pages 2 to 3 of a shorter text", 7, 3, {2, 3}, "0:L4 1:L5 2:L6|0:L7", 1},
        {"page 2 only", 12, 3, {2, 2}, "0:L4 1:L5 2:L6", 0},
        {"page 1 only", 12, 3, {1, 1}, "0:L1 1:L2 2:L3", 0},
        {"pages 3 to 5", 7, 3, {3, 5}, "0:L7", 0},
        {"range beyond the text", 7, 3, {4, 5}, "", 0},
        {"one line a page", 3, 1, {2, 3}, "0:L2|0:L3", 1},
        {"one line a page, all", 3, 1, {1, 999}, "0:L1|0:L2|0:L3", 2},
        {"no room for a line counts as one", 3, 0, {1, 999}, "0:L1|0:L2|0:L3", 2},
        {"negative page height", 2, -5, {1, 999}, "0:L1|0:L2", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int newPages = 0;
        EXPECT_EQ(Layout(Numbered(row.lines), 80, row.linesPerPage, row.range, &newPages), row.pages);
        EXPECT_EQ(newPages, row.newPages);
    }
}

TEST(PrintLayout, LongLinesContinueOnTheNextPrintedLine) {
    struct Row {
        const char* name;
        std::string text;
        int charsPerLine;
        int linesPerPage;
        const char* pages;
    };
    const Row rows[] = {
        {"wrapped", "abcdefgh\r\nxy\r\n", 6, 10, "0:abcde 1:fgh 2:xy"},
        {"exactly W-1 then an empty line", "abcde\r\nxy\r\n", 6, 10, "0:abcde 1: 2:xy"},
        {"wrap across a page end", "abcdefgh\r\nxy\r\n", 6, 2, "0:abcde 1:fgh|0:xy"},
        {"history entry layout", "\r\n2+2 = 4\r\n", 80, 10, "0: 1:2+2 = 4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int newPages = 0;
        EXPECT_EQ(Layout(row.text, row.charsPerLine, row.linesPerPage, {1, 999}, &newPages), row.pages);
    }
}

TEST(PrintLayout, VeryWidePageWrapsAtTheBuffer) {
    const std::string text = std::string(127, 'a') + std::string(127, 'b') + "cc\r\nd";
    int newPages = 0;
    const std::string expected = "0:" + std::string(127, 'a') + " 1:" + std::string(127, 'b') + " 2:cc 3:d";
    EXPECT_EQ(Layout(text, 400, 60, {1, 999}, &newPages), expected);
}

// A counting sink: the layout of a long history is one pass over it.
class CountingSink : public PrintedPageSink {
public:
    void NextPage() override { ++pages; }
    void DrawLine(int, int, const char*, size_t) override { ++lines; }
    int pages = 1;
    int lines = 0;
};

TEST(PrintLayout, LongHistoryCounts) {
    struct Row {
        int lines;
        int linesPerPage;
        PageRange range;
        int pages;
        int drawn;
    };
    const Row rows[] = {
        {100000, 60, {1, 99999}, 1667, 100000},
        {100000, 60, {1, 999}, 999, 999 * 60},  // pages after the range end the loop
        {100000, 60, {1000, 1002}, 3, 180},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.range.from);
        const std::string text = Numbered(row.lines);
        CountingSink sink;
        LayOutHistory(text.data(), text.size(), PageGeometry{0, 0, 80, row.linesPerPage, 10}, row.range, sink);
        EXPECT_EQ(sink.pages, row.pages);
        EXPECT_EQ(sink.lines, row.drawn);
    }
}

}  // namespace
