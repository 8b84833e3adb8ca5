// The Edit menu's commands (2101-2114 without 2106, Copy History): the input
// line's own editing, the clipboard copies of the record's texts through the
// copy buffer, Enclose, and the clearing of the input line, the display and
// the history. Each reports 0.
#pragma once

#include "command.h"

LRESULT DoUndo(const Command&);
LRESULT DoCut(const Command&);
// Copies the selection; with an empty selection at position 0 (an empty
// input line, say) it copies CurrentTask's answer instead.
LRESULT DoCopy(const Command&);
LRESULT DoPaste(const Command&);
// Deletes the selection, or the character before the caret; nothing at 0.
LRESULT DoDelete(const Command&);
LRESULT DoCopyMaths(const Command&);
LRESULT DoCopyResult(const Command&);
LRESULT DoCopyTask(const Command&);
LRESULT DoSelectAll(const Command&);
// Wraps the selection, or the whole text, in brackets (also the "(...)" key).
LRESULT DoEnclose(const Command&);
LRESULT DoClearInput(const Command&);
// Empties the four display lines; records and quadratic labels stay.
LRESULT DoClearDisplay(const Command&);
// Clears the display, the tasks of the records (answer and memory stay), the
// past-tasks list and the history, which gets a new banner. The task number
// goes on.
LRESULT DoClearHistory(const Command&);
