#include "compounds.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

constexpr size_t kLimit = kMathsCapacity;
constexpr size_t kNone = static_cast<size_t>(-1);

// Brackets nested deeper than this are not looked into for components; such
// a text keeps the reading it had without compounds. It bounds the
// recursion whatever the input.
constexpr int kMaxDepth = 64;

// Each join has a "*" on either side of a component of one character or
// more, so a text of 638 characters holds fewer than 320 of either.
constexpr size_t kMaxEdits = kLimit / 2 + 1;

// Where a compound may start: after these, or at the start of the text.
bool MayPrecede(char c) { return c != 0 && std::strchr("(+-*/^_", c) != nullptr; }

// What may follow a compound: the end, a closing bracket or an operator.
bool MayFollow(char c) { return c == 0 || std::strchr(")+-*/^", c) != nullptr; }

// Reads components and compounds by recursive descent and records the joins
// it finds. Every parse that fails takes back what it recorded, so the
// records hold only joins of parses that succeeded.
class CompoundParser {
public:
    explicit CompoundParser(const char* text) : t_(text) {}

    struct Chain {
        uint16_t start;
        uint16_t end;
    };

    // Optional coefficient, then a formula: the end, or kNone.
    size_t Component(size_t i, int depth) {
        size_t j = Number(i);
        size_t end = Formula(j, depth);
        return end == j ? kNone : end;
    }

    // Element symbols with counts and brackets holding components; returns
    // `i` when no formula starts at `i`.
    size_t Formula(size_t i, int depth) {
        size_t j = i;
        for (;;) {
            if (IsUpper(t_[j])) {
                ++j;
                if (IsLower(t_[j])) ++j;
            } else if (t_[j] == '(' && depth < kMaxDepth) {
                const Mark mark = Save();
                size_t members = 0;
                size_t inner = Compound(j + 1, depth + 1, members);
                if (inner == kNone || t_[inner] != ')') {
                    Restore(mark);
                    break;
                }
                j = inner + 1;
            } else {
                break;
            }
            j = Number(j);  // the count
        }
        return j;
    }

    // Components joined by "*": the end, or kNone; `members` counts them.
    // A compound of two or more is recorded.
    size_t Compound(size_t i, int depth, size_t& members) {
        const Mark mark = Save();
        size_t end = Component(i, depth);
        members = 0;
        if (end == kNone) return kNone;
        members = 1;
        while (t_[end] == '*') {
            const Mark beforeNext = Save();
            size_t next = Component(end + 1, depth);
            if (next == kNone) {
                Restore(beforeNext);
                break;
            }
            if (joinCount_ == kMaxEdits) {  // cannot happen within 638 characters
                Restore(mark);
                return kNone;
            }
            joins_[joinCount_++] = static_cast<uint16_t>(end);
            end = next;
            ++members;
        }
        if (members >= 2) {
            if (chainCount_ == kMaxEdits) {
                Restore(mark);
                return kNone;
            }
            chains_[chainCount_++] = {static_cast<uint16_t>(i), static_cast<uint16_t>(end)};
        }
        return end;
    }

    // Finds every compound that stands as one term in the whole text.
    void ScanAll(size_t length) {
        size_t i = 0;
        while (i < length) {
            if (i == 0 || MayPrecede(t_[i - 1])) {
                const Mark mark = Save();
                size_t members = 0;
                size_t end = Compound(i, 0, members);
                if (end != kNone && (members == 1 || MayFollow(t_[end]))) {
                    i = end;
                    continue;
                }
                // Not a term of its own: compounds inside it are found from
                // the positions that follow.
                Restore(mark);
            }
            ++i;
        }
    }

    size_t ChainCount() const { return chainCount_; }
    const Chain& ChainAt(size_t k) const { return chains_[k]; }
    size_t JoinCount() const { return joinCount_; }
    size_t JoinAt(size_t k) const { return joins_[k]; }

private:
    struct Mark {
        size_t chains;
        size_t joins;
    };
    Mark Save() const { return {chainCount_, joinCount_}; }
    void Restore(Mark mark) {
        chainCount_ = mark.chains;
        joinCount_ = mark.joins;
    }

    // Digits, optionally "." and more digits.
    size_t Number(size_t i) const {
        const size_t start = i;
        while (IsDigit(t_[i])) ++i;
        if (i > start && t_[i] == '.' && IsDigit(t_[i + 1])) {
            ++i;
            while (IsDigit(t_[i])) ++i;
        }
        return i;
    }

    const char* t_;
    Chain chains_[kMaxEdits];
    uint16_t joins_[kMaxEdits];
    size_t chainCount_ = 0;
    size_t joinCount_ = 0;
};

}  // namespace

int JoinCompounds(char* maths) {
    const size_t length = TextLength(maths, kLimit + 1);
    if (length > kLimit) return kStatusTooLong;
    if (!std::memchr(maths, '*', length)) return 0;  // nothing to join: the usual case

    CompoundParser parser(maths);
    parser.ScanAll(length);
    if (parser.ChainCount() == 0) return 0;

    // Brackets to open before and close before each position, and the "*"
    // that become "+".
    uint16_t opens[kLimit + 1];
    uint16_t closes[kLimit + 1];
    bool plus[kLimit + 1];
    std::fill_n(opens, length + 1, 0);
    std::fill_n(closes, length + 1, 0);
    std::fill_n(plus, length + 1, false);
    for (size_t k = 0; k < parser.ChainCount(); ++k) {
        const auto& chain = parser.ChainAt(k);
        const bool enclosed = chain.start > 0 && maths[chain.start - 1] == '(' && maths[chain.end] == ')';
        if (!enclosed) {
            ++opens[chain.start];
            ++closes[chain.end];
        }
    }
    for (size_t k = 0; k < parser.JoinCount(); ++k) plus[parser.JoinAt(k)] = true;

    char work[kLimit + 1];
    TextWriter out(work, kLimit);
    for (size_t i = 0; i <= length; ++i) {
        for (uint16_t n = closes[i]; n > 0; --n) out.Put(')');
        if (i == length) break;
        // After a minus the bracket is subtracted as NormalizeSigns writes
        // it everywhere else: "-1*(".
        if (opens[i] > 0 && i > 0 && maths[i - 1] == '-') out.Put("1*");
        for (uint16_t n = opens[i]; n > 0; --n) out.Put('(');
        out.Put(plus[i] ? '+' : maths[i]);
    }
    if (out.Overflowed()) return kStatusTooLong;
    CopyText(maths, kLimit, out.Text());
    return 0;
}

bool IsOneCompound(const char* text) {
    CompoundParser parser(text);
    size_t members = 0;
    const size_t end = parser.Compound(0, 0, members);
    return end != kNone && text[end] == 0;
}
