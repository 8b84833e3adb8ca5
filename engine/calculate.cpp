#include "engine.h"

#include <cstring>

#include "cleaning.h"
#include "commands.h"
#include "compounds.h"
#include "evaluator.h"
#include "format.h"
#include "formulas.h"
#include "marks.h"
#include "number_text.h"
#include "quadratic.h"
#include "status.h"
#include "symbols.h"
#include "task_record.h"
#include "text.h"

namespace {

constexpr char kEquationEnd[] = " = 0";

void Unmark(TaskRecord& record) {
    UnmarkFunctionNames(record.szTask, kTaskCapacity, record.bFunctionSeparator);
    UnmarkFunctionNames(record.szMaths, kMathsCapacity, record.bFunctionSeparator);
}

// The failure path: the message into szResult and szAnswer, names restored,
// and for an unknown symbol the line as it was typed.
int Fail(TaskRecord& record, int status, const char* typed) {
    GetStatusMessage(status, record.szResult, kResultCapacity);
    CopyText(record.szAnswer, record.szResult);
    Unmark(record);
    if (status == kStatusUnknownSymbol) CopyText(record.szTask, typed);
    return -1;
}

int SolveEquation(TaskRecord& record) {
    // " = 0" is appended whatever the solver says; a task with no room left
    // for it is refused rather than cut.
    if (std::strlen(record.szTask) + sizeof kEquationEnd - 1 > kTaskCapacity) return kStatusTooLong;
    const int status = SolveQuadratic(record.szMaths, record.szResult, record.iAngleUnit);
    AppendText(record.szTask, kEquationEnd);
    if (status) {
        GetStatusMessage(status, record.szResult, kResultCapacity);
        CopyText(record.szAnswer, record.szResult);
        return -1;
    }
    UpdateAnswer(record);
    return kKindQuadratic;
}

}  // namespace

void UpdateAnswer(TaskRecord& record) {
    if (IsNumberText(record.szResult)) {
        FormatResult(record);
    } else {
        CopyText(record.szAnswer, record.szResult);
    }
}

int CalculateTask(TaskRecord& record) {
    char typed[kTaskCapacity + 1];
    CopyText(typed, record.szTask);

    int kind = SanitizeTask(record.szTask, kTaskCapacity);
    if (record.szTask[0] == 0) {
        record.szMaths[0] = record.szResult[0] = record.szAnswer[0] = 0;
        return 0;
    }
    if (kind >= kFirstStatus) return Fail(record, kind, typed);
    if (kind == kKindCommand) return ExecuteCommand(record);

    if (kind == kKindFunctions) {
        kind = MarkFunctionNames(record.szTask);
        if (kind >= kFirstStatus) return Fail(record, kind, typed);
    }

    if (int status = ContinueFromAnswer(record.szTask, record.szAnswer)) return Fail(record, status, typed);
    if (kind != kKindPlain) {
        kind = CorrectSymbolCase(record.szTask, kind);
        if (kind >= kFirstStatus) return Fail(record, kind, typed);
    }
    CopyText(record.szMaths, record.szTask);
    if (int status = NormalizeSigns(record.szTask, record.szMaths)) return Fail(record, status, typed);

    if (kind == kKindQuadratic) {
        const int result = SolveEquation(record);
        return result == kStatusTooLong ? Fail(record, result, typed) : result;
    }
    if (kind == kKindFormula || kind == kKindFunctionsAndFormula) {
        if (int status = JoinCompounds(record.szMaths)) return Fail(record, status, typed);
        if (int status = ExpandFormulas(record.szMaths)) return Fail(record, status, typed);
    }
    if (kind != kKindPlain) {
        if (int status = SubstituteValues(record.szMaths, record.szAnswer, record.szMemory))
            return Fail(record, status, typed);
    }

    if (int status = EvaluateExpression(record.szMaths, record.szResult, kResultCapacity, record.iAngleUnit))
        return Fail(record, status, typed);
    UpdateAnswer(record);
    if (kind == kKindFunctions || kind == kKindFunctionsAndFormula) Unmark(record);
    return kind;
}
