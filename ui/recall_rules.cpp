#include "recall_rules.h"

void TaskRecall::EndIfEdited(const std::string& line) {
    if (index_ >= 0 && line != shown_) index_ = -1;
}

std::optional<std::string> TaskRecall::Older(const std::string& line, int count, const PastTaskReader& read) {
    EndIfEdited(line);
    if (count <= 0) return std::nullopt;
    if (index_ < 0) typed_ = line;
    // The list may have shrunk under the session (New, Clear History).
    const int next = index_ + 1 < count ? index_ + 1 : count - 1;
    if (next == index_) return std::nullopt;
    index_ = next;
    shown_ = read(index_);
    return shown_;
}

std::optional<std::string> TaskRecall::Newer(const std::string& line, int count, const PastTaskReader& read) {
    EndIfEdited(line);
    if (index_ < 0) return std::nullopt;
    index_ = index_ - 1 < count ? index_ - 1 : count - 1;
    if (index_ < 0) return typed_;
    shown_ = read(index_);
    return shown_;
}
