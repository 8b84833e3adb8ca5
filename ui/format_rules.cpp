#include "format_rules.h"

#include "engine.h"
#include "resource_ids.h"

namespace {

void UpdateBoth(TaskRecord& current, TaskRecord& previous) {
    UpdateAnswer(previous);
    UpdateAnswer(current);
}

bool InRange(int id, int first, int last) { return id >= first && id <= last; }

}  // namespace

unsigned ApplySettingCommand(int command, TaskRecord& current, TaskRecord& previous) {
    if (InRange(command, IDM_ANGLE_RAD, IDM_ANGLE_GRAD) || InRange(command, IDC_ANGLE_RAD, IDC_ANGLE_GRAD)) {
        current.iAngleUnit = command - (command >= IDM_ANGLE_RAD ? IDM_ANGLE_RAD : IDC_ANGLE_RAD);
        return kRepaintAngleIndicators;
    }
    if (InRange(command, IDM_MODE_AUTO, IDM_MODE_FIX) || InRange(command, IDC_MODE_AUTO, IDC_MODE_FIX)) {
        int mode = command - (command >= IDM_MODE_AUTO ? IDM_MODE_AUTO : IDC_MODE_AUTO);
        current.iNumberMode = previous.iNumberMode = mode;
        UpdateBoth(current, previous);
        return kRepaintModeIndicators | kShowAnswers;
    }
    if (InRange(command, IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST)) {
        current.iDecimals = previous.iDecimals = command - IDM_DECIMALS_FIRST;
        UpdateBoth(current, previous);
        return kShowAnswers;
    }
    if (command == IDM_DIGIT_GROUPING) {
        int grouping = current.bDigitGrouping ? 0 : 1;
        current.bDigitGrouping = previous.bDigitGrouping = grouping;
        UpdateBoth(current, previous);
        return kShowAnswers;
    }
    if (command == IDM_FUNCTION_SEPARATOR) {
        current.bFunctionSeparator = current.bFunctionSeparator ? 0 : 1;
        return kRefreshNothing;
    }
    if (command == IDM_DECIMAL_DOT || command == IDM_DECIMAL_COMMA) {
        current.bDecimalComma = previous.bDecimalComma = command - IDM_DECIMAL_DOT;
        UpdateBoth(current, previous);
        return kShowAnswers | kShowTaskLines | kMarkDecimalSeparator;
    }
    return kRefreshNothing;
}

void ResetRecordSettings(TaskRecord& current, TaskRecord& previous) {
    SetDefaultSettings(current);
    UpdateAnswer(current);
    SetDefaultSettings(previous);
    UpdateAnswer(previous);
}

bool FormatItemChecked(const TaskRecord& current, int id) {
    switch (id) {
    case IDM_DIGIT_GROUPING:
        return current.bDigitGrouping != 0;
    case IDM_FUNCTION_SEPARATOR:
        return current.bFunctionSeparator != 0;
    case IDM_DECIMAL_DOT:
        return current.bDecimalComma == 0;
    case IDM_DECIMAL_COMMA:
        return current.bDecimalComma == 1;
    default:
        break;
    }
    if (InRange(id, IDM_ANGLE_RAD, IDM_ANGLE_GRAD)) return id - IDM_ANGLE_RAD == current.iAngleUnit;
    if (InRange(id, IDM_MODE_AUTO, IDM_MODE_FIX)) return id - IDM_MODE_AUTO == current.iNumberMode;
    if (InRange(id, IDM_DECIMALS_FIRST, IDM_DECIMALS_LAST)) return id - IDM_DECIMALS_FIRST == current.iDecimals;
    return false;
}
