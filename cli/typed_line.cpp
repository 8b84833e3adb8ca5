#include "typed_line.h"

#include <cstring>

#include "answer_lines.h"
#include "console_io.h"
#include "engine.h"
#include "text.h"
#include "text_encoding.h"

namespace {

// Drops a byte-order mark at the start of a line.
void SkipByteOrderMark(const char*& bytes, size_t& length) {
    constexpr size_t kMarkSize = sizeof kByteOrderMark - 1;
    if (length >= kMarkSize && std::memcmp(bytes, kByteOrderMark, kMarkSize) == 0) {
        bytes += kMarkSize;
        length -= kMarkSize;
    }
}

// Windows' best fit turns some Greek letters and mathematical signs into
// letters, digits or "=" that mean something else in a task: infinity
// becomes 8, pi the letter p (phosphorus in a formula), sigma an S (sulfur),
// "less or equal" an "=" that cuts the task off as a comment. Calculating
// those would give a different answer without a word, so such a character
// is refused like one without any form. Best fits that keep the meaning
// (subscript and superscript digits, fullwidth forms, dashes and minus
// signs, accented Latin letters) are taken.
bool ChangesMeaning(char32_t codePoint, int byte) {
    const bool greekOrMaths = (codePoint >= 0x0370 && codePoint <= 0x03FF) ||
                              (codePoint >= 0x2100 && codePoint <= 0x214F) ||
                              (codePoint >= 0x2190 && codePoint <= 0x22FF);
    const char c = static_cast<char>(byte);
    return greekOrMaths && (IsLetter(c) || IsDigit(c) || c == '=');
}

// The first character of a valid UTF-8 line that converts only by a best fit
// that changes its meaning, or 0.
char32_t MisleadingCharacter(const char* bytes, size_t length) {
    for (size_t i = 0; i < length;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (size > length - i) size = length - i;
        char32_t codePoint = size == 1 ? lead : lead & (0x7F >> size);
        for (size_t k = 1; k < size; ++k)
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        i += size;
        if (codePoint < 0x80) continue;
        const int byte = Windows1252FromCodePoint(codePoint);
        if (byte >= 0 && CodePointFromWindows1252(static_cast<unsigned char>(byte)) != codePoint &&
            ChangesMeaning(codePoint, byte))
            return codePoint;
    }
    return 0;
}

}  // namespace

void ReadTypedLine(const char* bytes, size_t length, size_t fullLength, TypedLine& line) {
    if (fullLength > length) {
        line.kind = TypedLine::Kind::kTooLong;
        return;
    }
    SkipByteOrderMark(bytes, length);
    line.kind = TypedLine::Kind::kTask;
    line.fromUtf8 = false;
    line.message[0] = 0;
    // Plain ASCII, the usual line, is its own 8-bit text.
    unsigned char high = 0;
    for (size_t i = 0; i < length; ++i) high |= static_cast<unsigned char>(bytes[i]);
    if (high < 0x80) {
        if (length > kInputLineCapacity) {
            line.kind = TypedLine::Kind::kTooLong;
            return;
        }
        std::memcpy(line.text, bytes, length);
        line.text[length] = 0;
        line.length = TextLength(line.text, length);
        line.fromUtf8 = true;
        return;
    }
    const Utf8Conversion conversion = Utf8ToWindows1252(bytes, length, line.text, kInputLineCapacity);
    size_t converted = 0;
    switch (conversion.outcome) {
    case Utf8Outcome::kConverted:
        if (char32_t misleading = MisleadingCharacter(bytes, length)) {
            line.kind = TypedLine::Kind::kNoForm;
            FormatNoFormMessage(misleading, line.message, sizeof line.message);
            return;
        }
        converted = conversion.length;
        line.fromUtf8 = true;
        break;
    case Utf8Outcome::kNoForm:
        line.kind = TypedLine::Kind::kNoForm;
        FormatNoFormMessage(conversion.codePoint, line.message, sizeof line.message);
        return;
    case Utf8Outcome::kTooLong:
        line.kind = TypedLine::Kind::kTooLong;
        return;
    case Utf8Outcome::kNotUtf8:
        // Taken byte for byte, as before the console read UTF-8.
        if (length > kInputLineCapacity) {
            line.kind = TypedLine::Kind::kTooLong;
            return;
        }
        std::memcpy(line.text, bytes, length);
        converted = length;
        break;
    }
    line.text[converted] = 0;
    line.length = TextLength(line.text, converted);  // a NUL ends the task
}

void PutLineRefusal(OutputBuffer& out, const TypedLine& line) {
    if (line.kind == TypedLine::Kind::kNoForm) {
        out.Put(line.message);  // UTF-8 already
    } else {
        PutRefusal(out);
    }
}

bool CalculateTypedLine(TaskRecord& record, const TypedLine& line, int& result) {
    if (line.kind != TypedLine::Kind::kTask) return false;
    std::memcpy(record.szTask, line.text, line.length + 1);
    result = CalculateTask(record);
    return true;
}

size_t TypedColumn(const char* bytes, size_t length, const TypedLine& line, size_t position) {
    if (!line.fromUtf8) return position;
    SkipByteOrderMark(bytes, length);
    return Utf8DisplayColumn(bytes, length, position);
}
