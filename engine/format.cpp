#include "format.h"

#include <cmath>
#include <cstring>

#include "number_text.h"
#include "task_record.h"
#include "text.h"

namespace {

// Fixed-mode texts longer than this fall back to the scientific form.
constexpr size_t kFixedLimit = 24;

// Room for "%.*f" of any double: 309 integer digits, sign, point, decimals.
constexpr size_t kFixedScratch = 320 + kMaxDecimals;

// Writes `count` digits starting at `digits`, a space between groups of three;
// the first group is shorter when `fromRight` (integer parts), the last group
// otherwise (decimals).
void PutGroups(TextWriter& out, const char* digits, size_t count, bool fromRight) {
    const size_t first = fromRight ? (count % 3 ? count % 3 : 3) : 3;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (i == first || (i > first && (i - first) % 3 == 0))) out.Put(' ');
        out.Put(digits[i]);
    }
}

size_t CountDigits(const char* p) {
    size_t n = 0;
    while (IsDigit(p[n])) ++n;
    return n;
}

// Groups the digits of a rendered number by three. Texts that are not a plain
// rendering (already grouped, a message) are left alone.
void GroupDigits(char* answer) {
    if (!IsNumberText(answer)) return;
    char buffer[kAnswerCapacity + 1];
    TextWriter out(buffer, kAnswerCapacity);
    const char* p = answer;
    if (*p == '-') out.Put(*p++);

    const size_t integerDigits = CountDigits(p);
    // In exponent form the mantissa has one digit before the point, so only
    // its decimals get groups.
    PutGroups(out, p, integerDigits, true);
    p += integerDigits;
    if (*p == '.') {
        out.Put(*p++);
        const size_t decimals = CountDigits(p);
        PutGroups(out, p, decimals, false);
        p += decimals;
    }
    out.Put(p);  // the exponent, if any, unchanged
    if (!out.Overflowed()) std::memcpy(answer, buffer, out.Length() + 1);
}

}  // namespace

int EffectiveDecimals(int decimals) {
    // A negative precision counts as 6, as in C; beyond kMaxDecimals the
    // grouped scientific text would no longer fit the answer field.
    if (decimals < 0) return 6;
    return decimals > kMaxDecimals ? kMaxDecimals : decimals;
}

int FormatResult(TaskRecord& record) {
    const int decimals = EffectiveDecimals(record.iDecimals);
    char text[kFixedScratch + 1];
    bool rendered = true;
    // A result text has at most 15 digits, which "%.15g" of its value gives
    // back unchanged: in automatic mode only the layout may differ ("1e09").
    DecimalDigits digits;
    if (record.iNumberMode == kModeAutomatic && ParseDigits(record.szResult, digits) && digits.count <= 15) {
        LayoutGeneral(digits, 15, text, kFixedScratch);
    } else if (const double value = ReadNumber(record.szResult); !std::isfinite(value)) {
        rendered = CopyText(text, record.szResult);
    } else if (record.iNumberMode == kModeAutomatic) {
        WriteGeneral(value, 15, text, kFixedScratch);
    } else if (record.iNumberMode == kModeScientific) {
        WriteScientific(value, decimals, text, kFixedScratch);
    } else if (record.iNumberMode == kModeFixed) {
        if (WriteFixed(value, decimals, text, kFixedScratch) > kFixedLimit)
            WriteScientific(value, decimals, text, kFixedScratch);
    } else {
        rendered = false;  // an unknown mode leaves the shown answer as it is
    }
    if (rendered) CopyText(record.szAnswer, text);

    if (record.bDigitGrouping) GroupDigits(record.szAnswer);
    if (record.bDecimalComma) {
        ReplaceDecimalPoints(record.szTask, ',');
        ReplaceDecimalPoints(record.szMaths, ',');
        ReplaceDecimalPoints(record.szAnswer, ',');
    }
    return 0;
}

int ReplaceDecimalPoints(char* text, char replacement) {
    for (char* p = std::strchr(text, '.'); p; p = std::strchr(p + 1, '.')) *p = replacement;
    return 0;
}
