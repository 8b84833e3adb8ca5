// History files: what a saved history holds, and how a history file is cut
// into the lines that are replayed as tasks.
// Nothing here touches a file or the platform; the caller supplies the bytes
// and the way to write them.
#pragma once

#include <cstddef>

// The maker's web address (build configuration ZBL_MAKER_ADDRESS).
extern const char kMakerAddress[];

// Written after the history text: a line end, a rule of 23 "=", the credit
// line and the maker's address, with no line end after the address.
extern const char kHistoryFooter[];
extern const size_t kHistoryFooterLength;

// Writes `size` bytes somewhere; true only when all of them were written.
using ByteWriter = bool (*)(void* context, const char* bytes, size_t size);

enum class HistorySave {
    kWritten,  // the history text and the footer were written
    kEmpty,    // the history is empty: nothing written, the file stays empty
    kFailed,   // a write failed; the file may hold part of the content
};

// Writes the content of a saved history through `write`: the history text
// unchanged, then kHistoryFooter. An empty history writes nothing, not even
// the footer. Stops at the first failed write.
HistorySave WriteHistoryContent(const char* history, size_t length, ByteWriter write, void* context);

// The replayed lines of a history file, one at a time.
//
// A line ends at every CR, which is not part of it; the byte after the CR
// begins the next line, so with CR LF line ends every line after the first
// begins with its LF. The bytes after the last CR form one more line even
// when there are none (a file that ends with CR, or an empty file, ends with
// an empty line), exactly as a CR put after the last byte read would end it.
// A line longer than kReplayLineCapacity is cut there and the rest of it up to
// its CR is dropped: splitting it would replay fragments as tasks of their own,
// and a line that long is refused by the input line anyway.
class ReplaySplitter {
public:
    static constexpr size_t kReplayLineCapacity = 650;

    // `bytes` must stay valid while lines are taken.
    ReplaySplitter(const char* bytes, size_t size) : bytes_(bytes), size_(size) {}

    // Moves to the next line; false when there is none left.
    bool Next();

    // The current line, NUL-terminated; an embedded NUL ends the text as the
    // input line sees it, while Length() still counts every byte kept.
    const char* Line() const { return line_; }
    size_t Length() const { return length_; }
    // True when the current line was longer than kReplayLineCapacity.
    bool WasCut() const { return cut_; }

private:
    const char* bytes_;
    size_t size_;
    size_t pos_ = 0;
    bool done_ = false;
    char line_[kReplayLineCapacity + 1] = {};
    size_t length_ = 0;
    bool cut_ = false;
};
