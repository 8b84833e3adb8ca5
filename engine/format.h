// Number formatting: the answer as shown, made from the raw result.
#pragma once

struct TaskRecord;

// Decimal places used for a given iDecimals: a negative value counts as 6 and
// values beyond what fits the answer field are bounded.
int EffectiveDecimals(int decimals);
inline constexpr int kMaxDecimals = 88;

// Writes szAnswer from szResult under the record's display settings (mode,
// decimals, grouping, decimal comma). With the decimal comma on, szTask and
// szMaths get commas too. A mode outside 0-2 leaves szAnswer as it was before
// grouping and the comma are applied. Always returns 0.
int FormatResult(TaskRecord& record);

// Replaces every "." of `text` by `replacement`. Always returns 0.
int ReplaceDecimalPoints(char* text, char replacement);
