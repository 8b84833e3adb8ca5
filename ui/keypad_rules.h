// The keypad's fixed data and the rules of its keys that need no window: the
// name, font and action of every cell, where each cell lies, and the captions
// that inverse mode gives the function keys. Platform-free.
#pragma once

#include <cstddef>

#include "layout_rules.h"

enum class KeyAction {
    kNone,                 // the two hidden cells under the "=" key
    kToggleInverse,        // "a..."
    kInsertName,           // digits, operators, brackets, function names, "pi"
    kEnclose,              // "(...)"
    kReciprocal,           // "1/..."
    kClearOrMemoryClear,   // "C", or "MC" in inverse mode
    kMemoryStore,          // "MS"
    kMemoryRecall,         // "MR"
    kMemoryAddOrSubtract,  // "M+", or "M-" in inverse mode
};

struct KeypadKey {
    const char* name;  // what the key inserts, and its caption at start
    FontSlot font;     // kNoFont: the system's control font
    KeyAction action;
};

inline constexpr int kKeypadCells = 36;
inline constexpr int kKeypadColumns = 6;

// Cell k is control 1000 + k in row k / 6, column k % 6. The names never
// change; the captions shown on the keys do (inverse mode).
inline constexpr KeypadKey kKeypadKeys[kKeypadCells] = {
    /* row 0 */ {"a...", kNoFont, KeyAction::kToggleInverse},
    {"sin", kKeyFont13, KeyAction::kInsertName},
    {"cos", kKeyFont13, KeyAction::kInsertName},
    {"tan", kKeyFont13, KeyAction::kInsertName},
    {"cot", kKeyFont13, KeyAction::kInsertName},
    {"pi", kKeyFont13, KeyAction::kInsertName},
    /* row 1 */ {"ln", kKeyFont13, KeyAction::kInsertName},
    {"log", kKeyFont13, KeyAction::kInsertName},
    {"(", kKeyFont13, KeyAction::kInsertName},
    {")", kKeyFont13, KeyAction::kInsertName},
    {"(...)", kKeyFont13, KeyAction::kEnclose},
    {"1/...", kKeyFont13, KeyAction::kReciprocal},
    /* row 2 */ {"C", kKeyFont12, KeyAction::kClearOrMemoryClear},
    {"7", kNoFont, KeyAction::kInsertName},
    {"8", kNoFont, KeyAction::kInsertName},
    {"9", kNoFont, KeyAction::kInsertName},
    {"^", kNoFont, KeyAction::kInsertName},
    {"_", kNoFont, KeyAction::kInsertName},
    /* row 3 */ {"MS", kKeyFont12, KeyAction::kMemoryStore},
    {"4", kNoFont, KeyAction::kInsertName},
    {"5", kNoFont, KeyAction::kInsertName},
    {"6", kNoFont, KeyAction::kInsertName},
    {"*", kNoFont, KeyAction::kInsertName},
    {"/", kNoFont, KeyAction::kInsertName},
    /* row 4 */ {"MR", kKeyFont12, KeyAction::kMemoryRecall},
    {"1", kNoFont, KeyAction::kInsertName},
    {"2", kNoFont, KeyAction::kInsertName},
    {"3", kNoFont, KeyAction::kInsertName},
    {"+", kNoFont, KeyAction::kInsertName},
    {"-", kKeyFont20, KeyAction::kInsertName},
    /* row 5 */ {"M+", kKeyFont12, KeyAction::kMemoryAddOrSubtract},
    {"0", kNoFont, KeyAction::kInsertName},
    {".", kNoFont, KeyAction::kInsertName},
    {"E", kNoFont, KeyAction::kInsertName},
    {"=", kNoFont, KeyAction::kNone},
    {"", kNoFont, KeyAction::kNone},
};

// Where cell k lies at 96 DPI. The two rows of function keys are lower than
// the four rows below them; neighbouring cells share their border pixel.
constexpr Place KeyCell(int cell) {
    const int row = cell / kKeypadColumns;
    const int column = cell % kKeypadColumns;
    const bool functionRow = row < 2;
    return {6 + 45 * column, functionRow ? 182 + 26 * row : 160 + 41 * row, 46, functionRow ? 27 : 42};
}

// What the key refresh repaints for cell k at 96 DPI: from the cell's top
// left corner, the size of a key of the lower rows and one pixel more each
// way, for the function keys too.
constexpr Place KeyRefreshArea(int cell) {
    const Place key = KeyCell(cell);
    return {key.x, key.y, 47, 43};
}

// The "=" button, which covers the last two cells; their keys stay hidden.
constexpr Place EqualsKeyPlace() {
    const Place first = KeyCell(kKeypadCells - 2);
    const Place last = KeyCell(kKeypadCells - 1);
    return {first.x, first.y, last.x + last.width - first.x, first.height};
}

// The cells whose captions inverse mode rewrites (sin, cos, tan, cot, ln,
// log), in the order they are rewritten; "pi" keeps its caption.
inline constexpr int kInverseCells[] = {1, 2, 3, 4, 6, 7};

// The two keys that change their meaning in inverse mode, with both captions.
inline constexpr int kClearCell = 12;
inline constexpr int kMemoryAddCell = 30;
inline constexpr const char* kClearCaptions[2] = {"C", "MC"};
inline constexpr const char* kMemoryAddCaptions[2] = {"M+", "M-"};

// The prefix character of inverse mode: ' ' while it is off, 'a' while on.
inline constexpr char kInverseOff = ' ';
inline constexpr char kInverseOn = 'a';

// The action of cell k; kNone for a cell outside 0-35.
KeyAction KeyActionOf(int cell);

// Whether inverse mode turns this cell into its inverse function.
bool IsInverseCell(int cell);

inline constexpr size_t kKeyCaptionCapacity = 4;

// The caption of an inverse cell: `prefix` followed by at most three
// characters of its name ("asin", "aln", " log"). Empty for any other cell.
void BuildInverseCaption(char prefix, int cell, char (&caption)[kKeyCaptionCapacity + 1]);
