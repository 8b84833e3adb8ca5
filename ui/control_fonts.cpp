#include "control_fonts.h"

#include "layout_rules.h"
#include "screen_scale.h"

namespace {

struct FontRow {
    int height;  // character height in pixels at 96 DPI
    int weight;
    const char* face;
};

constexpr FontRow kFonts[kFontSlotCount] = {
    /* kKeyFont13 */ {13, FW_NORMAL, "San Serif"},
    /* kKeyFont12 */ {12, FW_NORMAL, "San Serif"},
    /* kKeyFont20 */ {20, FW_NORMAL, "San Serif"},
    /* kIndicatorFont */ {8, FW_NORMAL, "San Serif"},
    /* kTaskFont */ {12, FW_NORMAL, "San Serif"},
    /* kAnswerFont */ {15, FW_BOLD, "MS Sans Serif"},
    /* kInputFont */ {12, FW_NORMAL, "Arial"},
};

}  // namespace

LOGFONTA FontDescription(int slot, int dpi) {
    LOGFONTA description{};
    description.lfHeight = -ScalePixels(kFonts[slot].height, dpi);
    description.lfWeight = kFonts[slot].weight;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(description.lfFaceName, kFonts[slot].face, LF_FACESIZE);
    return description;
}
