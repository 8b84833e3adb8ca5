// The Format menu's setting commands (angle unit, mode, decimal places,
// grouping, function separator, decimal separator), the same settings sent by
// the indicators and the Number Format dialog (1210-1212, 1220-1222), and
// Reset to Defaults. Save Current Settings is the settings file's.
#pragma once

#include "command.h"

// Changes the setting in the records and shows what it changed: indicators,
// answers, and for the decimal separator the task lines and check marks too.
LRESULT DoSettingCommand(const Command&);

// Puts the settings of both records back to their defaults, clears the view
// flags (the window itself keeps its size, topmost state and history dialog)
// and numbers from 1 again.
LRESULT DoResetSettings(const Command&);
