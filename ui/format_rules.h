// The Format menu's rules that need no window: what each setting command
// does to the two records, what Reset to Defaults puts back, and which Format
// items carry a check mark. Platform-free.
#pragma once

#include "task_record.h"

// What the window must show again after a setting command (bit flags).
enum SettingRefresh : unsigned {
    kRefreshNothing = 0,
    kRepaintModeIndicators = 1u << 0,   // AUTO, SCI, FIX
    kRepaintAngleIndicators = 1u << 1,  // RAD, DEG, GRAD
    kShowAnswers = 1u << 2,             // both answer lines
    kShowTaskLines = 1u << 3,           // both task lines and their tooltips
    kMarkDecimalSeparator = 1u << 4,    // the check marks of "Dot" and "Comma"
};

// Applies a setting command to the records and returns what to show again:
//   2504-2506, 1220-1222  current's angle unit only (previous follows with
//                         the next calculation)
//   2501-2503, 1210-1212  number mode of both records
//   2510-2525             decimal places 0-15 of both records
//   2508                  digit grouping of both, turned to the opposite of
//                         current's
//   2533                  current's function separator toggled; nothing shown
//   2531, 2532            decimal dot or comma of both records
// Commands that change the display fields run UpdateAnswer on `previous`,
// then on `current`. Any other id changes nothing and returns kRefreshNothing.
unsigned ApplySettingCommand(int command, TaskRecord& current, TaskRecord& previous);

// Reset to Defaults for the records: the six settings of both records back to
// radians, automatic, 2 decimals, no grouping, function separator on, decimal
// dot; then UpdateAnswer on `current` and on `previous`.
void ResetRecordSettings(TaskRecord& current, TaskRecord& previous);

// Whether the Format item `id` carries a check mark for `current`: the angle
// unit 2504 + iAngleUnit, the mode 2501 + iNumberMode, the decimal places
// 2510 + iDecimals (none outside 0-15), grouping 2508, function separator
// 2533, dot 2531 and comma 2532 by their settings. False for the other ids of
// 2501-2526 and for any id outside the Format menu.
bool FormatItemChecked(const TaskRecord& current, int id);
