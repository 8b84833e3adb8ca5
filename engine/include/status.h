// Status codes of the engine and their messages.
//
// Every stage returns 0 (or a task kind) on success and one of these codes on
// failure; the driver turns a code into its message inside the record.
#pragma once

#include <cstddef>

inline constexpr int kStatusTooLong = 1001;
inline constexpr int kStatusSyntax = 1002;
inline constexpr int kStatusMissingRight = 1003;
inline constexpr int kStatusMissingLeft = 1004;
inline constexpr int kStatusNoOperatorBetween = 1005;
inline constexpr int kStatusNoOperatorBefore = 1006;
inline constexpr int kStatusNoOperatorAfter = 1007;
inline constexpr int kStatusAnswerNotNumber = 1011;
inline constexpr int kStatusMemoryNotNumber = 1012;
inline constexpr int kStatusUnknownSymbol = 1013;
inline constexpr int kStatusDivideByZero = 1021;
inline constexpr int kStatusMissingArgument = 1022;
inline constexpr int kStatusArgumentRange = 1023;
inline constexpr int kStatusNegativeRoot = 1024;
inline constexpr int kStatusLogOfZero = 1025;
inline constexpr int kStatusLogOfNegative = 1026;
inline constexpr int kStatusFactorialRange = 1027;
inline constexpr int kStatusQuadratic = 1028;
inline constexpr int kStatusIndeterminate = 1031;
inline constexpr int kStatusInfinite = 1032;
inline constexpr int kStatusComplex = 1033;
inline constexpr int kStatusUnknownCommand = 1034;

// Codes at or above this value are failures; smaller results are task kinds
// or numbers handed back by command lines.
inline constexpr int kFirstStatus = 1001;

// Room a message needs: the longest message has 30 characters.
inline constexpr size_t kStatusMessageCapacity = 30;

struct StatusMessage {
    int code;
    const char* text;
};

// The message table, ordered by code.
extern const StatusMessage kStatusMessages[];
extern const size_t kStatusMessageCount;

// The message of kStatusComplex, which the quadratic solver also writes in
// place of a root without a real value.
inline constexpr const char* kComplexNumberText = "<Complex number>";

// The text every code without a message of its own gets.
inline constexpr const char* kUnexpectedErrorText = "Unexcepted error";

// Writes the message of `code` into `text` (room for `capacity` characters,
// at least kStatusMessageCapacity). Always succeeds; never writes past
// `capacity`.
void GetStatusMessage(int code, char* text, size_t capacity);
