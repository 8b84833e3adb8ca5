#include "edit_rules.h"

#include <algorithm>

namespace {

// The selection within the text; the control never reports more, but a
// selection past the end must not read past it.
Selection Clamp(std::string_view input, Selection selection) {
    size_t end = std::min(selection.end, input.size());
    return {std::min(selection.start, end), end};
}

std::string Wrapped(std::string_view open, std::string_view inner) {
    std::string text;
    text.reserve(open.size() + inner.size() + 1);
    text.append(open).append(inner).push_back(')');
    return text;
}

WrapEdit Wrap(std::string_view open, std::string_view input, Selection selection) {
    Selection clamped = Clamp(input, selection);
    if (clamped.start < clamped.end) {
        return {WrapEdit::kReplaceSelection, Wrapped(open, input.substr(clamped.start, clamped.end - clamped.start))};
    }
    return {WrapEdit::kReplaceAll, Wrapped(open, input)};
}

}  // namespace

bool DeletedRange(Selection selection, Selection& range) {
    if (IsEmptyAtStart(selection)) return false;
    range = selection;
    if (range.start == range.end) range.start = range.end - 1;
    return true;
}

WrapEdit EncloseEdit(std::string_view input, Selection selection) {
    if (IsEmptyAtStart(selection)) return {WrapEdit::kNothing, {}};
    return Wrap("(", input, selection);
}

WrapEdit ReciprocalEdit(std::string_view input, Selection selection, std::string_view result) {
    if (input.empty()) {
        if (result.empty()) return {WrapEdit::kNothing, {}};
        return {WrapEdit::kReplaceAll, Wrapped("1/(", result)};
    }
    return Wrap("1/(", input, selection);
}
