// The input line's editing rules that need no window: what Copy, Delete,
// Enclose and the reciprocal key do with a text and its selection.
// Platform-free; the window reads the text and selection, asks here, and
// applies the answer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A selection as the edit control reports it: characters start to end, the
// caret alone when they are equal.
struct Selection {
    size_t start;
    size_t end;
};

inline bool IsEmptyAtStart(Selection selection) { return selection.start == 0 && selection.end == 0; }

// Copy puts the answer on the clipboard instead of the selection exactly when
// the selection is empty and at position 0 (an empty input line, say).
inline bool CopyTakesAnswer(Selection selection) { return IsEmptyAtStart(selection); }

// Whether the Copy menu item is enabled: when there is a selection to copy,
// and also when Copy would copy a (non-empty) answer. The platform ignores the
// accelerator of a disabled item, so a Copy greyed out for an empty line would
// make Ctrl+C copy nothing where the toolbar's Copy copies the answer.
inline bool CopyEnabled(Selection selection, bool haveAnswer) {
    return selection.start != selection.end || (CopyTakesAnswer(selection) && haveAnswer);
}

// The characters that Delete removes: the selection, or the one character
// before the caret when nothing is selected. False when the caret stands at
// position 0 with nothing selected: nothing is deleted.
bool DeletedRange(Selection selection, Selection& range);

// An edit that wraps part of the input line in brackets.
struct WrapEdit {
    enum Kind {
        kNothing,           // the input line stays as it is
        kReplaceSelection,  // `text` replaces the selection, as one undoable step
        kReplaceAll,        // `text` becomes the whole input, caret at its end
    };
    Kind kind;
    std::string text;
};

// "Enclose Expression": nothing for an empty selection at position 0; the
// selection wrapped as "(", selection, ")" when it is not empty; otherwise
// the whole text wrapped. The text is never cut, however long it is.
WrapEdit EncloseEdit(std::string_view input, Selection selection);

// The reciprocal key "1/...": the selection wrapped as "1/(", selection, ")"
// when it is not empty; otherwise the whole text wrapped the same way, where
// an empty input line stands for `result` (the unformatted result of the last
// calculation); nothing when both are empty.
WrapEdit ReciprocalEdit(std::string_view input, Selection selection, std::string_view result);
