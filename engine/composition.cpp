#include "engine.h"

#include <cstdint>
#include <cstring>

#include "cleaning.h"
#include "compounds.h"
#include "engine.h"
#include "evaluator.h"
#include "formulas.h"
#include "marks.h"
#include "masses.h"
#include "number_text.h"
#include "symbols.h"
#include "task_record.h"
#include "text.h"

namespace {

// The symbol at `at` of a text whose symbols have their case corrected: a
// capital and an optional lower-case letter. Returns its length, 0 for none.
size_t SymbolAt(const char* text, size_t at, char symbol[3]) {
    if (!IsUpper(text[at])) return 0;
    symbol[0] = text[at];
    symbol[1] = IsLower(text[at + 1]) ? text[at + 1] : 0;
    symbol[2] = 0;
    return symbol[1] ? 2 : 1;
}

bool InMassTable(const char symbol[3]) {
    char lookup[kMassTextSize] = {symbol[0], symbol[1], 0};
    return LookUpAtomicMass(lookup) == 0;
}

// A failure of the calculator comes back as its message; this finds its code.
int StatusOfMessage(const char* message) {
    for (size_t i = 0; i < kStatusMessageCount; ++i)
        if (std::strcmp(kStatusMessages[i].text, message) == 0) return kStatusMessages[i].code;
    return kFirstStatus;
}

// `expanded` with every symbol replaced: `element` by `value`, the others by 0.
bool SubstituteOne(const char* expanded, const char* element, const char* value, char* out, size_t capacity) {
    TextWriter writer(out, capacity);
    for (size_t i = 0; expanded[i];) {
        char symbol[3];
        if (size_t n = SymbolAt(expanded, i, symbol)) {
            writer.Put(std::strcmp(symbol, element) == 0 ? value : "0");
            i += n;
        } else {
            writer.Put(expanded[i++]);
        }
    }
    return !writer.Overflowed();
}

// Evaluates `expanded` with `element` as `value` and everything else as 0.
bool Share(const char* expanded, const char* element, const char* value, double& result) {
    char text[kMathsCapacity + 1];
    char answer[kResultCapacity + 1];
    if (!SubstituteOne(expanded, element, value, text, kMathsCapacity)) return false;
    if (EvaluateExpression(text, answer, kResultCapacity, kRadians) != 0) return false;
    result = ReadNumber(answer);
    return true;
}

}  // namespace

void GetCompositionMessage(int status, char* text, size_t capacity) {
    if (status == kStatusNotAFormula) {
        TextWriter out(text, capacity);
        out.Put(kNotAFormulaText);
        return;
    }
    GetStatusMessage(status, text, capacity);
}

bool LocateUnknownSymbol(const char* typed, size_t& at, char symbol[3]) {
    char cleaned[kSanitizeLimit + 1];
    uint16_t sourceOf[kSanitizeLimit + 4];
    if (!CopyText(cleaned, typed)) return false;
    int kind = SanitizeTask(cleaned, kTaskCapacity, sourceOf);
    if (kind != kKindFunctions && kind != kKindFormula) return false;

    // The letters as the calculator reads them: names marked, symbols in
    // their case. Marking shortens names into marks, so every character of
    // the marked text is mapped back to the cleaned one it came from.
    char marked[kTaskCapacity + 1];
    CopyText(marked, cleaned);
    if (kind == kKindFunctions) kind = MarkFunctionNames(marked);
    if (kind >= kFirstStatus) return false;
    kind = CorrectSymbolCase(marked, kind);
    if (kind >= kFirstStatus) return false;

    for (size_t j = 0, i = 0; marked[j];) {
        if (marked[j] == ':') {  // a mark: cleaning leaves no ":" of its own
            const char* name = FunctionNameOf(MarkCodeAt(marked + j));
            i += name ? std::strlen(name) : kMarkLength;
            j += kMarkLength;
            continue;
        }
        if (size_t n = SymbolAt(marked, j, symbol)) {
            if (!InMassTable(symbol)) {
                at = sourceOf[i];
                return true;
            }
            i += n;
            j += n;
            continue;
        }
        ++i;
        ++j;
    }
    return false;
}

int ComposeFormula(const char* formula, Composition& composition, CompositionError& error) {
    composition.mass = 0;
    composition.count = 0;
    error = {};
    auto fail = [&error](int status) {
        error.status = status;
        GetCompositionMessage(status, error.message, kStatusMessageCapacity);
        return status;
    };
    if (TextLength(formula, kInputLineCapacity + 1) > kInputLineCapacity) return fail(kStatusTooLong);

    // The calculator's own reading of the text, stage by stage: a formula is
    // a task of formulas alone that is one component or compound.
    char task[kSanitizeLimit + 1];
    CopyText(task, formula);
    int kind = SanitizeTask(task, kTaskCapacity);
    if (kind == kKindFunctions) kind = MarkFunctionNames(task);
    if (kind >= kFirstStatus) return fail(kind);
    if (kind != kKindFormula) return fail(kStatusNotAFormula);
    kind = CorrectSymbolCase(task, kind);
    if (kind >= kFirstStatus) return fail(kind);
    char expanded[kMathsCapacity + 1];
    CopyText(expanded, task);
    if (int status = NormalizeSigns(task, expanded)) return fail(status);
    if (!IsOneCompound(expanded)) return fail(kStatusNotAFormula);

    if (LocateUnknownSymbol(formula, error.at, error.symbol)) return fail(kStatusUnknownSymbol);

    // The total is the calculator's answer.
    TaskRecord record;
    ResetTaskRecord(record);
    CopyText(record.szTask, formula);
    if (CalculateTask(record) != kKindFormula) return fail(StatusOfMessage(record.szResult));
    composition.mass = ReadNumber(record.szResult);

    if (JoinCompounds(expanded) || ExpandFormulas(expanded)) return fail(kStatusTooLong);

    for (size_t i = 0; expanded[i];) {
        char symbol[3];
        const size_t n = SymbolAt(expanded, i, symbol);
        i += n ? n : 1;
        if (!n) continue;
        bool seen = false;
        for (size_t k = 0; k < composition.count && !seen; ++k)
            seen = std::strcmp(composition.elements[k].symbol, symbol) == 0;
        if (seen) continue;
        if (composition.count == kMaxCompositionElements) return fail(kStatusTooLong);  // every symbol is known
        ElementShare& share = composition.elements[composition.count++];
        CopyText(share.symbol, symbol);
        char mass[kMassTextSize] = {symbol[0], symbol[1], 0};
        LookUpAtomicMass(mass);
        if (!Share(expanded, symbol, "1", share.atoms) || !Share(expanded, symbol, mass, share.mass))
            return fail(kStatusTooLong);
    }

    // Shares of the sum of the parts, so that they add up to 100 even where
    // the total was rounded to fewer digits than the parts.
    double parts = 0;
    for (size_t k = 0; k < composition.count; ++k) parts += composition.elements[k].mass;
    for (size_t k = 0; k < composition.count; ++k) {
        ElementShare& share = composition.elements[k];
        share.percent = parts != 0 ? share.mass / parts * 100 : 0;
    }
    return 0;
}
