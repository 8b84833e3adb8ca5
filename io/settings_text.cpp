#include "settings_text.h"

#include "text.h"

namespace {

constexpr char kRule[] = "==============================\n";

// Puts a text as a text-mode stream writes it: every line feed becomes CR LF.
void PutTextMode(TextWriter& out, const char* text) {
    for (; *text; ++text) {
        if (*text == '\n') out.Put('\r');
        out.Put(*text);
    }
}

// "%d" of a 32-bit value.
void PutDecimal(TextWriter& out, int32_t value) {
    char digits[12];
    size_t n = 0;
    int64_t rest = value;
    const bool negative = rest < 0;
    if (negative) rest = -rest;
    do {
        digits[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (negative) out.Put('-');
    while (n > 0) out.Put(digits[--n]);
}

}  // namespace

size_t WriteSettingsText(const TaskRecord& settings, const ViewFlags& view, char* out, size_t capacity) {
    TextWriter w(out, capacity);
    PutTextMode(w, kRule);
    PutTextMode(w, "= CONFIGURATION FILE FOR ZBL =\n");
    PutTextMode(w, kRule);

    PutTextMode(w, "\r\n= CHANGES THE APPERANCE OF THE CALCULATOR =\n");
    if (view.bDisplayOnly) PutTextMode(w, "#501   = Show display only\n");
    if (view.bAlwaysOnTop) PutTextMode(w, "#502   = Always on top\n");
    if (view.bHistoryVisible) PutTextMode(w, "#503   = View history\n");
    if (view.bTaskNumbering) PutTextMode(w, "#504   = Task numbering\n");

    PutTextMode(w, "\r\n= CHANGES THE UNIT OF ANGLE MEASUREMENT =\n");
    if (settings.iAngleUnit == kDegrees) {
        PutTextMode(w, "#deg   = Set angle unit to degrees\n");
    } else if (settings.iAngleUnit == kGrads) {
        PutTextMode(w, "#grad   = Set angle unit to grads\n");
    } else {
        PutTextMode(w, "#rad   = Set angle unit to radians\n");
    }

    PutTextMode(w, "\r\n= CHANGES THE DISPLAYED NUMBER FORMATS =\n");
    if (settings.iNumberMode == kModeScientific) {
        PutTextMode(w, "#sci   = Scientific mode for displaying numbers\n");
    } else if (settings.iNumberMode == kModeFixed) {
        PutTextMode(w, "#fix   = Fixed mode for displaying numbers\n");
    } else {
        PutTextMode(w, "#auto  = Automatic mode for displaying numbers\n");
    }
    PutTextMode(w, "#dec ");
    PutDecimal(w, settings.iDecimals);
    PutTextMode(w, " = Round number to ");
    PutDecimal(w, settings.iDecimals);
    PutTextMode(w, " decimal places\n");
    PutTextMode(w, "#dig ");
    PutDecimal(w, settings.bDigitGrouping);
    PutTextMode(w, " = Use space as thousands separator (0 = OFF, 1 = ON)\n");
    PutTextMode(w, "#fun ");
    PutDecimal(w, settings.bFunctionSeparator);
    PutTextMode(w, " = Use colon (:) as function separator (0 = OFF, 1 = ON)\n");
    // Only the value 1 selects the comma; any other value writes the dot line.
    if (settings.bDecimalComma == 1) {
        PutTextMode(w, "#comma = Use comma (,) as decimal separator\n");
    } else {
        PutTextMode(w, "#dot   = Use dot (.) as decimal separator\n");
    }

    PutTextMode(w, "\r\n= END OF CONFIGURATION FILE  =\n");
    PutTextMode(w, kRule);

    if (w.Overflowed()) {
        out[0] = 0;
        return 0;
    }
    return w.Length();
}

bool SettingsLineCollector::Take(char c) {
    if (c != '\n') {
        if (length_ < kCapacity) {
            line_[length_++] = c;
        } else {
            overlong_ = true;
        }
        return false;
    }
    size_t length = length_;
    const bool overlong = overlong_;
    length_ = 0;
    overlong_ = false;
    if (overlong) return false;
    if (length > 0 && line_[length - 1] == '\r') --length;
    if (length == 0 || length > kInputLineCapacity || line_[0] != '#') return false;
    line_[length] = 0;
    return true;
}
