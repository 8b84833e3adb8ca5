// The fonts of the main window's controls: one row of the font table for each
// slot of layout_rules.h, and the logical font it describes at a DPI.
#pragma once

#include <windows.h>

// The logical font of a font slot (not kNoFont) at `dpi`: the designed
// character height scaled, the weight and face of its row, the default
// character set and a Swiss family.
LOGFONTA FontDescription(int slot, int dpi);
