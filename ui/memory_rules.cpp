#include "memory_rules.h"

#include "engine.h"
#include "number_text.h"
#include "text.h"

bool IsAnswerNumber(const char* answer) {
    // A signed zero such as "-0.00" (a small negative sum in fixed mode) is
    // as much a number as "0.00".
    if (answer[0] == '0' || (answer[0] == '-' && answer[1] == '0')) return true;
    char read[kAnswerCapacity + 1];
    size_t n = 0;
    for (size_t i = 0; answer[i] && i < kAnswerCapacity; ++i) {
        if (answer[i] == ' ') continue;
        read[n++] = answer[i] == ',' ? '.' : answer[i];
    }
    read[n] = 0;
    return ReadNumber(read) != 0;
}

void BuildMemoryTask(const char* memory, const char* answer, bool subtract, char (&task)[kTaskCapacity + 1]) {
    static_assert(kMemoryCapacity + 1 + kAnswerCapacity <= kTaskCapacity);
    TextWriter writer(task, kTaskCapacity);
    writer.Put(memory[0] ? memory : "0", memory[0] ? TextLength(memory, kMemoryCapacity) : 1);
    writer.Put(subtract ? '-' : '+');
    writer.Put(answer, TextLength(answer, kAnswerCapacity));
}

bool AddAnswerToMemory(TaskRecord& current, bool subtract) {
    if (!IsAnswerNumber(current.szAnswer)) return false;
    TaskRecord scratch;
    ResetTaskRecord(scratch);
    CopySettings(current, scratch);
    BuildMemoryTask(current.szMemory, current.szAnswer, subtract, scratch.szTask);
    CalculateTask(scratch);
    UpdateAnswer(scratch);
    CopyText(current.szMemory, scratch.szAnswer);
    return true;
}
