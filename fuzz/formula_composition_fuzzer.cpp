// A formula's composition and the join of addition compounds, on arbitrary
// text.
//
// Input: the formula, as many bytes as a task holds. Checks, besides the
// sanitizers: no allocation; when the composition succeeds, the calculator
// calculates the same text as a formula and its answer is the composition's
// total, the parts add up to it, and the percents add up to 100; a refused
// unknown symbol stands in the text where it is said to. The same bytes as an
// expression go through JoinCompounds, which either refuses and leaves them
// alone or gives a text within the field whose "+" and brackets are the only
// change.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "compounds.h"
#include "engine.h"
#include "fuzz_support.h"
#include "number_text.h"
#include "task_record.h"
#include "text.h"

namespace {

void CheckComposition(const char* formula) {
    auto composition = std::make_unique<Composition>();
    CompositionError error;
    fuzz::AllocationWatch::Arm();
    const int status = ComposeFormula(formula, *composition, error);
    if (fuzz::AllocationWatch::Disarm() != 0) fuzz::Broken("the composition allocated memory");

    if (status != 0) {
        if (error.status != status || !error.message[0]) fuzz::Broken("a refusal without its status or message");
        if (status == kStatusUnknownSymbol &&
            (error.at >= std::strlen(formula) || ToUpper(formula[error.at]) != error.symbol[0]))
            fuzz::Broken("an unknown symbol said to stand where it does not: " + std::string(error.symbol) + " at " +
                         std::to_string(error.at));
        return;
    }

    TaskRecord record;
    ResetTaskRecord(record);
    CopyText(record.szTask, formula);
    if (CalculateTask(record) != kKindFormula) fuzz::Broken("a composition of a text the calculator refuses");
    const double answer = ReadNumber(record.szResult);
    if (composition->mass != answer)
        fuzz::Broken("the total is not the calculator's answer " + std::string(record.szResult));

    double parts = 0;
    double percents = 0;
    for (size_t k = 0; k < composition->count; ++k) {
        const ElementShare& share = composition->elements[k];
        if (!std::isfinite(share.atoms) || !std::isfinite(share.mass) || share.atoms < 0 || share.mass < 0)
            fuzz::Broken("an element with a count or mass that is no number: " + std::string(share.symbol));
        parts += share.mass;
        percents += share.percent;
    }
    // The calculator may round a result with noise to nine digits.
    if (std::fabs(parts - answer) > 1e-8 * std::fabs(answer) + 1e-300)
        fuzz::Broken("the parts do not add up to the total");
    if (answer != 0 && std::fabs(percents - 100) > 1e-9) fuzz::Broken("the percents do not add up to 100");
}

void CheckJoin(const uint8_t* data, size_t size) {
    char maths[kMathsCapacity + 1];
    const size_t length = size < kMathsCapacity ? size : kMathsCapacity;
    std::memcpy(maths, data, length);
    maths[length] = 0;
    const std::string before = maths;
    fuzz::AllocationWatch::Arm();
    const int status = JoinCompounds(maths);
    if (fuzz::AllocationWatch::Disarm() != 0) fuzz::Broken("the join allocated memory");
    if (status != 0) {
        if (before != maths) fuzz::Broken("a refused join changed the text");
        return;
    }
    if (std::strlen(maths) > kMathsCapacity) fuzz::Broken("the join wrote past the field");
    // Taking the added brackets and the "1*" before them out, and reading
    // every "+" that was a "*" back, gives the text as it was.
    std::string kept;
    for (const char* p = maths; *p; ++p) kept.push_back(*p);
    size_t b = 0;
    for (size_t a = 0; a < kept.size(); ++a) {
        if (b < before.size() && (kept[a] == before[b] || (kept[a] == '+' && before[b] == '*'))) {
            ++b;
        } else if (kept[a] != '(' && kept[a] != ')' && kept[a] != '1' && kept[a] != '*') {
            fuzz::Broken("the join changed more than operators and brackets");
        }
    }
    if (b != before.size()) fuzz::Broken("the join lost characters of the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char formula[kInputLineCapacity + 1];
    const size_t length = size < kInputLineCapacity ? size : kInputLineCapacity;
    std::memcpy(formula, data, length);
    formula[length] = 0;
    CheckComposition(formula);
    CheckJoin(data, size);
    return 0;
}
