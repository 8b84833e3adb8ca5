// The keypad's fixed data and the rules of its keys that need no window: the
// name and action of every cell, and the captions that inverse mode gives the
// function keys. Platform-free.
#pragma once

#include <cstddef>

enum class KeyAction {
    kNone,              // the two hidden cells under the "=" key
    kToggleInverse,     // "a..."
    kInsertName,        // digits, operators, brackets, function names, "pi"
    kEnclose,           // "(...)"
    kReciprocal,        // "1/..."
    kClearOrMemoryClear,  // "C", or "MC" in inverse mode
    kMemoryStore,       // "MS"
    kMemoryRecall,      // "MR"
    kMemoryAddOrSubtract,  // "M+", or "M-" in inverse mode
};

struct KeypadKey {
    const char* name;  // what the key inserts, and its caption at start
    KeyAction action;
};

inline constexpr int kKeypadCells = 36;

// Cell k is control 1000 + k. The names never change; the captions shown on
// the keys do (inverse mode).
inline constexpr KeypadKey kKeypadKeys[kKeypadCells] = {
    {"a...", KeyAction::kToggleInverse},   {"sin", KeyAction::kInsertName},
    {"cos", KeyAction::kInsertName},       {"tan", KeyAction::kInsertName},
    {"cot", KeyAction::kInsertName},       {"pi", KeyAction::kInsertName},
    {"ln", KeyAction::kInsertName},        {"log", KeyAction::kInsertName},
    {"(", KeyAction::kInsertName},         {")", KeyAction::kInsertName},
    {"(...)", KeyAction::kEnclose},        {"1/...", KeyAction::kReciprocal},
    {"C", KeyAction::kClearOrMemoryClear}, {"7", KeyAction::kInsertName},
    {"8", KeyAction::kInsertName},         {"9", KeyAction::kInsertName},
    {"^", KeyAction::kInsertName},         {"_", KeyAction::kInsertName},
    {"MS", KeyAction::kMemoryStore},       {"4", KeyAction::kInsertName},
    {"5", KeyAction::kInsertName},         {"6", KeyAction::kInsertName},
    {"*", KeyAction::kInsertName},         {"/", KeyAction::kInsertName},
    {"MR", KeyAction::kMemoryRecall},      {"1", KeyAction::kInsertName},
    {"2", KeyAction::kInsertName},         {"3", KeyAction::kInsertName},
    {"+", KeyAction::kInsertName},         {"-", KeyAction::kInsertName},
    {"M+", KeyAction::kMemoryAddOrSubtract}, {"0", KeyAction::kInsertName},
    {".", KeyAction::kInsertName},         {"E", KeyAction::kInsertName},
    {"=", KeyAction::kNone},               {"", KeyAction::kNone},
};

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
