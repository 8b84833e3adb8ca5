// Rules of the main window's display that need no window: how the quadratic
// panel moves the solver's output between the two records, and which
// indicators are lit. Platform-free.
#pragma once

#include "task_record.h"

// The longest text a display line (a task or an answer line) is read back
// with.
inline constexpr int kDisplayLineCapacity = 637;

// After CalculateTask solved a quadratic equation (result 4) it left the
// equation with " = 0" in current.szTask, the root x1 in current.szMaths and
// x2 in current.szResult and szAnswer. The panel shows the equation and x1 in
// the upper pair of lines and x2 in the lower: previous.szTask takes the
// equation, current.szTask is emptied, previous.szResult takes x1 (a decimal
// comma turned back into a point, so the root is read with its full value)
// and is rendered into previous.szAnswer by previous's own settings, and
// previous.szMaths becomes "Quadratic Equation".
void OpenQuadraticPanel(TaskRecord& current, TaskRecord& previous);

// Undoes OpenQuadraticPanel's moves in `current` before the next calculation,
// so that the record holds what CalculateTask produced: the equation back in
// current.szTask and x1 back in current.szMaths (with a decimal point).
void RestoreQuadraticOutput(TaskRecord& current, const TaskRecord& previous);

// Whether the indicator with this control id is lit for `current`: MEM while
// the memory is not empty, AUTO/SCI/FIX for iNumberMode 0/1/2, RAD/DEG/GRAD
// for iAngleUnit 0/1/2. False for any other id.
bool IsIndicatorOn(const TaskRecord& current, int controlId);
