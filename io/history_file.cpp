#include "history_file.h"

#include <cstring>

#ifndef ZBL_MAKER_ADDRESS
#define ZBL_MAKER_ADDRESS "https://www.zentrabel.example/"
#endif

const char kMakerAddress[] = ZBL_MAKER_ADDRESS;
const char kHistoryFooter[] = "\r\n=======================\r\nCalculated by Zentrabel\r\n" ZBL_MAKER_ADDRESS;
const size_t kHistoryFooterLength = sizeof kHistoryFooter - 1;

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
