#include "trace.h"

#include <cstring>

#include "engine.h"
#include "text.h"

int CalculateLine(TaskRecord& record, const char* line, size_t length, bool& refused) {
    refused = length > kInputLineCapacity;
    if (refused) return 0;
    // The task is a C string: a NUL byte ends it.
    const size_t taskLength = TextLength(line, length);
    std::memcpy(record.szTask, line, taskLength);
    record.szTask[taskLength] = 0;
    return CalculateTask(record);
}

void AppendJsonString(std::string& out, const char* bytes, size_t length) {
    static const char kHex[] = "0123456789ABCDEF";
    out.push_back('"');
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c >= 0x20 && c <= 0x7E) {
            out.push_back(static_cast<char>(c));
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            out.append(escape, sizeof escape);
        }
    }
    out.push_back('"');
}

namespace {

void AppendField(std::string& out, const char* key, const char* text) {
    out.append(",\"").append(key).append("\":");
    AppendJsonString(out, text, std::strlen(text));
}

void AppendField(std::string& out, const char* key, long long value) {
    out.append(",\"").append(key).append("\":").append(std::to_string(value));
}

}  // namespace

void AppendTraceJson(std::string& out, const char* input, size_t inputLength, const TaskRecord& record,
                     const int* result) {
    out.append("{\"input\":");
    AppendJsonString(out, input, inputLength);
    out.append(",\"result\":");
    out.append(result ? std::to_string(*result) : std::string("null"));
    AppendField(out, "szTask", record.szTask);
    AppendField(out, "szMaths", record.szMaths);
    AppendField(out, "szResult", record.szResult);
    AppendField(out, "szAnswer", record.szAnswer);
    AppendField(out, "szMemory", record.szMemory);
    AppendField(out, "iAngleUnit", record.iAngleUnit);
    AppendField(out, "iNumberMode", record.iNumberMode);
    AppendField(out, "iDecimals", record.iDecimals);
    AppendField(out, "bDigitGrouping", record.bDigitGrouping);
    AppendField(out, "bFunctionSeparator", record.bFunctionSeparator);
    AppendField(out, "bDecimalComma", record.bDecimalComma);
    if (!result) AppendField(out, "message", kLineTooLongText);
    out.push_back('}');
}
