#include "history_file.h"

#include <cstring>

#include "text.h"

#ifndef ZBL_MAKER_ADDRESS
#define ZBL_MAKER_ADDRESS "https://www.zentrabel.example/"
#endif

const char kMakerAddress[] = ZBL_MAKER_ADDRESS;
const char kHistoryFooter[] = "\r\n=======================\r\nCalculated by Zentrabel\r\n" ZBL_MAKER_ADDRESS;
const size_t kHistoryFooterLength = sizeof kHistoryFooter - 1;

namespace {

// A decimal number with at least `width` digits (zero-padded), as "%0*d" writes it.
void PutPadded(TextWriter& out, long value, int width) {
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    unsigned long rest = negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (negative) out.Put('-');
    for (int i = n; i < width; ++i) out.Put('0');
    while (n > 0) out.Put(digits[--n]);
}

}  // namespace

// Laid out by hand rather than with strftime: some C runtimes abort on a
// field out of range instead of formatting it.
size_t WriteProposedHistoryName(const std::tm& date, char* out, size_t capacity) {
    TextWriter w(out, capacity);
    w.Put("zbl_");
    PutPadded(w, date.tm_mday, 2);
    PutPadded(w, static_cast<long>(date.tm_mon) + 1, 2);
    PutPadded(w, static_cast<long>(date.tm_year) + 1900, 4);
    if (w.Overflowed()) {
        out[0] = 0;
        return 0;
    }
    return w.Length();
}

HistorySave WriteHistoryContent(const char* history, size_t length, ByteWriter write, void* context) {
    if (length == 0) return HistorySave::kEmpty;
    if (!write(context, history, length)) return HistorySave::kFailed;
    if (!write(context, kHistoryFooter, kHistoryFooterLength)) return HistorySave::kFailed;
    return HistorySave::kWritten;
}

bool ReplaySplitter::Next() {
    if (done_) return false;
    const char* begin = bytes_ + pos_;
    const size_t rest = size_ - pos_;
    const void* cr = rest ? std::memchr(begin, '\r', rest) : nullptr;
    const size_t lineLength = cr ? static_cast<size_t>(static_cast<const char*>(cr) - begin) : rest;
    cut_ = lineLength > kReplayLineCapacity;
    length_ = cut_ ? kReplayLineCapacity : lineLength;
    if (length_) std::memcpy(line_, begin, length_);
    line_[length_] = 0;
    if (cr) {
        pos_ += lineLength + 1;
    } else {
        pos_ = size_;
        done_ = true;
    }
    return true;
}
