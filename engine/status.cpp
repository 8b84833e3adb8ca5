#include "status.h"

#include "text.h"

const StatusMessage kStatusMessages[] = {
    {kStatusTooLong, "Expression is too long"},
    {kStatusSyntax, "Incorrect syntax"},
    {kStatusMissingRight, "Missing right bracket ')'"},
    {kStatusMissingLeft, "Missing left bracket '('"},
    {kStatusNoOperatorBetween, "No operator between bracket"},
    {kStatusNoOperatorBefore, "No operator before bracket"},
    {kStatusNoOperatorAfter, "No operator after bracket"},
    {kStatusAnswerNotNumber, "Previous answer isn't number"},
    {kStatusMemoryNotNumber, "No number in memory"},
    {kStatusUnknownSymbol, "Unknown element symbol"},
    {kStatusDivideByZero, "Cannot divide by zero!"},
    {kStatusMissingArgument, "Missing function argument"},
    {kStatusArgumentRange, "Argument must be from -1 to 1"},
    {kStatusNegativeRoot, "Root of a negative number"},
    {kStatusLogOfZero, "Logarithm of zero"},
    {kStatusLogOfNegative, "Logarithm of a negative number"},
    {kStatusFactorialRange, "n! must be from 0 to 170"},
    {kStatusQuadratic, "Error in quadratic equation"},
    {kStatusIndeterminate, "<Indeterminate number>"},
    {kStatusInfinite, "<Infinite number>"},
    {kStatusComplex, kComplexNumberText},
    {kStatusUnknownCommand, "Unknown # command"},
};
const size_t kStatusMessageCount = sizeof(kStatusMessages) / sizeof(kStatusMessages[0]);

void GetStatusMessage(int code, char* text, size_t capacity) {
    const char* message = kUnexpectedErrorText;
    for (const StatusMessage& entry : kStatusMessages) {
        if (entry.code == code) {
            message = entry.text;
            break;
        }
    }
    TextWriter out(text, capacity);
    out.Put(message);
}
