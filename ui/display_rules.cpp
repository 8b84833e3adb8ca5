#include "display_rules.h"

#include "engine.h"
#include "resource_ids.h"
#include "text.h"

void OpenQuadraticPanel(TaskRecord& current, TaskRecord& previous) {
    CopyText(previous.szTask, current.szTask);
    current.szTask[0] = 0;
    if (!CopyText(previous.szResult, current.szMaths)) previous.szResult[0] = 0;
    for (char* c = previous.szResult; *c; ++c) {
        if (*c == ',') *c = '.';
    }
    UpdateAnswer(previous);
    CopyText(previous.szMaths, "Quadratic Equation");
}

void RestoreQuadraticOutput(TaskRecord& current, const TaskRecord& previous) {
    CopyText(current.szTask, previous.szTask);
    CopyText(current.szMaths, previous.szResult);
}

bool IsIndicatorOn(const TaskRecord& current, int controlId) {
    if (controlId == IDC_MEMORY_INDICATOR) return current.szMemory[0] != 0;
    if (controlId >= IDC_MODE_AUTO && controlId <= IDC_MODE_FIX)
        return current.iNumberMode == controlId - IDC_MODE_AUTO;
    if (controlId >= IDC_ANGLE_RAD && controlId <= IDC_ANGLE_GRAD)
        return current.iAngleUnit == controlId - IDC_ANGLE_RAD;
    return false;
}
