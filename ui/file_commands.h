// The File menu's "New" (2001); Open, Save As and Print are the history
// files' and printing's, Exit the main window's own.
#pragma once

#include "command.h"

// Starts afresh: empties the past-tasks list, the records' texts and the
// memory and the input line, runs "=" on the empty line, numbers from 1 again
// and writes a new banner over the history. Settings and view flags stay.
LRESULT DoNew(const Command&);
