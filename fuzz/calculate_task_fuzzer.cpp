// CalculateTask on one arbitrary record.
//
// Input, as lines split at LF:
//   1  settings: six bytes for iAngleUnit, iNumberMode, iDecimals,
//      bDigitGrouping, bFunctionSeparator, bDecimalComma (see SettingFromByte)
//   2  szTask
//   3  szAnswer, the previous answer
//   4  szResult, the previous raw result (what #mem, #mem+ and #mem- take)
//   5  szMemory
//   6  szMaths, the previous expression
// Missing lines leave a field empty; each field takes as many bytes as it holds.
// The same record with the display settings at their defaults is calculated
// too: only the shown texts may differ.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "engine.h"
#include "fuzz_support.h"
#include "task_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // On the heap, sized exactly, so that a write past the last field hits
    // AddressSanitizer's guard.
    auto record = std::make_unique<TaskRecord>();
    ResetTaskRecord(*record);

    fuzz::Lines lines(data, size);
    const char* line;
    size_t length;
    lines.NextOrEmpty(line, length);
    fuzz::ReadSettings(line, length, *record);
    lines.NextOrEmpty(line, length);
    fuzz::FillField(record->szTask, line, length);
    lines.NextOrEmpty(line, length);
    fuzz::FillField(record->szAnswer, line, length);
    lines.NextOrEmpty(line, length);
    fuzz::FillField(record->szResult, line, length);
    lines.NextOrEmpty(line, length);
    fuzz::FillField(record->szMemory, line, length);
    lines.NextOrEmpty(line, length);
    fuzz::FillField(record->szMaths, line, length);

    // The display settings shape only the shown texts: the same record with
    // the default display settings (its own angle unit, which shapes the
    // result) must calculate the same raw result.
    auto plain = std::make_unique<TaskRecord>(*record);
    SetDefaultSettings(*plain);
    plain->iAngleUnit = record->iAngleUnit;

    const bool displayDefaults = record->iNumberMode == plain->iNumberMode && record->iDecimals == plain->iDecimals &&
                                 record->bDigitGrouping == plain->bDigitGrouping &&
                                 record->bFunctionSeparator == plain->bFunctionSeparator &&
                                 record->bDecimalComma == plain->bDecimalComma;

    const int result = fuzz::CalculateChecked(*record);
    if (displayDefaults) return 0;
    const int plainResult = fuzz::CalculateChecked(*plain);
    if (plainResult != result || std::strcmp(plain->szResult, record->szResult) != 0 ||
        std::strcmp(plain->szMemory, record->szMemory) != 0)
        fuzz::Violation("the display settings changed the raw result", *record, *plain, plainResult, "record as given",
                        "record with display defaults");
    return 0;
}
