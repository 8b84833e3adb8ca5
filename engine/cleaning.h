// Task cleaning and normalisation: the three passes that bring a loosely
// typed line into the strict form the later stages expect.
#pragma once

#include <cstddef>
#include <cstdint>

// Largest text SanitizeTask accepts and produces while it works; the cleaned
// text must also fit a task field.
inline constexpr size_t kSanitizeLimit = 638;

// Cleans `text` in place (blanks and ignored characters dropped, the walk
// stopped at the first "=", decimal commas, "**", "++", "--" and the like
// rewritten, look-alike characters read as the operator they stand for: the
// middle dot and the bullet as "*", the en and em dashes as "-", the
// superscripts one to three as "^1" to "^3") and classifies it.
// When `sourceOf` is given (room for 638 entries), sourceOf[k] receives the
// position in the text as given of the character that wrote cleaned
// character k.
// Returns the task kind 0, 1, 2, 4 or 9, or 1001 when the text is longer than
// 638 characters, when cleaning grows it beyond 638, or when the cleaned text
// exceeds 510 characters or `capacity`. On 1001 the text is unchanged.
// Never writes past `capacity` characters.
int SanitizeTask(char* text, size_t capacity, uint16_t* sourceOf = nullptr);

// Cleans a copy of a shown number (previous answer, memory) into `out` (room
// for `capacity` characters) and tells whether it is wholly one number text.
// `out` is empty when it is not.
bool ReadBackNumber(const char* shown, char* out, size_t capacity);

// Completes a task that ends or begins with an operator by the previous
// answer. `task` is a task field (510 characters); `answer` is read only.
// Returns 0, 1011 when the answer is needed but is not a number, or 1001 when
// the task is too long or would grow beyond 510 characters (task unchanged).
int ContinueFromAnswer(char* task, const char* answer);

// Rewrites `maths` (a copy of `task` on entry, capacity 638) so that every
// minus sign has one meaning for the evaluator, a digit before a function mark
// gets an explicit "*", and square and curly brackets become round ones.
// Returns 0, or 1001 when `task` is longer than 510 characters or `maths`
// would grow beyond 638 (then `maths` is unchanged).
int NormalizeSigns(const char* task, char* maths);
