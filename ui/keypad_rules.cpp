#include "keypad_rules.h"

KeyAction KeyActionOf(int cell) {
    if (cell < 0 || cell >= kKeypadCells) return KeyAction::kNone;
    return kKeypadKeys[cell].action;
}

bool IsInverseCell(int cell) {
    for (int inverse : kInverseCells) {
        if (inverse == cell) return true;
    }
    return false;
}

void BuildInverseCaption(char prefix, int cell, char (&caption)[kKeyCaptionCapacity + 1]) {
    caption[0] = 0;
    if (!IsInverseCell(cell)) return;
    size_t n = 0;
    caption[n++] = prefix;
    for (const char* c = kKeypadKeys[cell].name; *c && n < kKeyCaptionCapacity; ++c) caption[n++] = *c;
    caption[n] = 0;
}
