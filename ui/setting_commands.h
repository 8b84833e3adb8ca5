// The internal setting commands that the mode and angle indicators and the
// Number Format dialog send the main window: 1210 + iNumberMode and
// 1220 + iAngleUnit.
#pragma once

// Sets iNumberMode of both records, repaints the AUTO, SCI and FIX
// indicators and shows both answers again in the new mode.
void SetNumberMode(int mode);

// Sets CurrentTask's iAngleUnit only and repaints the RAD, DEG and GRAD
// indicators; the shown answers keep the unit they were calculated in.
void SetAngleUnit(int unit);

// UpdateAnswer on PreviousTask and on CurrentTask, each shown in its answer
// line.
void RefreshAnswers();
