// The evaluator on arbitrary bytes: reducing plain texts on their lists of
// operands, and taking the results of brackets by value, must give what
// working on the text itself gives, status and result text alike, both for a
// bracket-free text and for a whole expression.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine.h"
#include "evaluator.h"
#include "fuzz_support.h"
#include "task_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char input[kExpressionLimit + 1];
    char fast[kExpressionLimit + 1];
    char slow[kExpressionLimit + 1];
    const size_t length = size < kExpressionLimit ? size : kExpressionLimit;
    std::memcpy(input, data, length);
    input[length] = 0;
    std::memcpy(fast, input, length + 1);
    std::memcpy(slow, input, length + 1);
    // ran and rand draw from the generator: both readings start from one seed.
    SeedRandom(7);
    const int fastStatus = EvaluateFlat(fast, kExpressionLimit, 0);
    SeedRandom(7);
    const int slowStatus = EvaluateFlatOnText(slow, kExpressionLimit, 0);
    if (fastStatus != slowStatus || (fastStatus == 0 && std::strcmp(fast, slow) != 0))
        fuzz::Broken("operands and text disagree: " + std::to_string(fastStatus) + " " + fast + " / " +
                     std::to_string(slowStatus) + " " + slow);
    char fastResult[kResultCapacity + 1] = "";
    char slowResult[kResultCapacity + 1] = "";
    SeedRandom(7);
    const int fastWhole = EvaluateExpression(input, fastResult, kResultCapacity, 0);
    SeedRandom(7);
    const int slowWhole = EvaluateExpressionOnText(input, slowResult, kResultCapacity, 0);
    if (fastWhole != slowWhole || std::strcmp(fastResult, slowResult) != 0)
        fuzz::Broken("expression: operands and text disagree: " + std::to_string(fastWhole) + " " + fastResult + " / " +
                     std::to_string(slowWhole) + " " + slowResult);
    return 0;
}
