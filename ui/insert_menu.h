// The Insert menu (2201-2286): each item puts its fixed text into the input
// line.
#pragma once

#include "command.h"

// Replaces the input line's selection (or inserts at the caret) by the item's
// text, as one undoable step; ids without an item insert nothing. Inverse
// mode and the focus are left alone. Reports 0.
LRESULT DoInsert(const Command&);
