#include <gtest/gtest.h>

#include <string>

#include "typed_line.h"

namespace {

TEST(TypedLine, TakesUtf8AsThePastedWindowTextAndRefusesWhatItCannotMean) {
    using Kind = TypedLine::Kind;
    struct Row {
        std::string bytes;
        Kind kind;
        std::string text;  // the task, or a part of the message
    };
    // clang-format off
    const Row rows[] = {
        {"2\xC3\x97" "3", Kind::kTask, "2\xD7" "3"},             // multiplication sign: exact
        {"H\xE2\x82\x82O", Kind::kTask, "H2O"},                // subscript two: best fit
        {"5\xE2\x88\x92" "3", Kind::kTask, "5-3"},             // minus sign: best fit
        {"\xEF\xBB\xBF" "2+2", Kind::kTask, "2+2"},            // a byte-order mark is dropped
        {"2\xD7" "3", Kind::kTask, "2\xD7" "3"},               // not UTF-8: byte for byte
        {std::string("2+3\0+4", 6), Kind::kTask, "2+3"},       // a NUL ends the task
        {"\xE2\x98\x83", Kind::kNoForm, "U+2603"},             // no form at all
        {"1/\xE2\x88\x9E", Kind::kNoForm, "U+221E"},           // infinity would become 8
        {"2\xCF\x80", Kind::kNoForm, "U+03C0"},                // pi would become p
        {"5\xE2\x89\xA4" "3", Kind::kNoForm, "U+2264"},        // would become "=", a comment
        {std::string(509, '1'), Kind::kTask, std::string(509, '1')},
        {std::string(510, '1'), Kind::kTooLong, ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes.substr(0, 20));
        TypedLine line;
        ReadTypedLine(row.bytes.data(), row.bytes.size(), row.bytes.size(), line);
        EXPECT_EQ(line.kind, row.kind);
        if (row.kind == Kind::kTask) {
            EXPECT_EQ(std::string(line.text, line.length), row.text);
        } else if (row.kind == Kind::kNoForm) {
            EXPECT_NE(std::string(line.message).find(row.text), std::string::npos);
        }
    }
    // Four hundred multiplication signs take 800 bytes and are 400 characters.
    std::string many;
    for (int i = 0; i < 400; ++i) many += "\xC3\x97";
    TypedLine line;
    ReadTypedLine(many.data(), many.size(), many.size(), line);
    EXPECT_EQ(line.kind, TypedLine::Kind::kTask);
    EXPECT_EQ(line.length, 400u);
    many.clear();
    for (int i = 0; i < 510; ++i) many += "\xC3\x97";  // 510 characters in 1020 bytes
    ReadTypedLine(many.data(), many.size(), many.size(), line);
    EXPECT_EQ(line.kind, TypedLine::Kind::kTooLong);
    // A line longer than what was kept of it is too long whatever it holds.
    ReadTypedLine("2+3", 3, kTypedLineKeep + 1, line);
    EXPECT_EQ(line.kind, TypedLine::Kind::kTooLong);
}

}  // namespace
