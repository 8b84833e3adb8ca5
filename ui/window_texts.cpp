#include "window_texts.h"

#include "text.h"

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
