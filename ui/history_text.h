// The texts that the window writes into the history: the banner that opens it
// and one entry per calculation. Platform-free; the window inserts them into
// the history edit control unchanged.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

#include "engine.h"
#include "task_record.h"

// The date and time of the banner: "%B %d, %Y  %X" takes at most this many
// characters.
inline constexpr size_t kDateTextCapacity = 80;

inline constexpr char kBannerHead[] = "\r\n\t== Zentrabel ==\r\n\t";
inline constexpr char kBannerTail[] = "\r\n\r\n";
inline constexpr size_t kBannerCapacity = sizeof kBannerHead - 1 + kDateTextCapacity + sizeof kBannerTail - 1;

// Writes the banner for the time `when`: the head, the date as strftime's
// "%B %d, %Y  %X" in the C locale (so "March 05, 2014  09:41:07"), the tail.
// A date that does not fit its 80 characters is left out, never cut.
void BuildBanner(const std::tm& when, char (&banner)[kBannerCapacity + 1]);

// The debug dump that the command line #20 writes instead of an ordinary
// entry: each of the engine's dump labels (kDumpLabels) on a line of its own
// with its field.
constexpr size_t DumpLabelsLength() {
    size_t length = 0;
    for (const char* label : kDumpLabels) length += 2 + std::char_traits<char>::length(label);
    return length;
}

// Room for the longest entry, the debug dump of full records; every entry is
// built whole, never cut.
inline constexpr size_t kHistoryEntryCapacity =
    DumpLabelsLength() + 2 + kTaskCapacity + kMathsCapacity + kResultCapacity + kAnswerCapacity + kMemoryCapacity;

struct HistoryEntry {
    char text[kHistoryEntryCapacity + 1];
    // The task that goes to the top of the past-tasks list, or nullptr. Points
    // into the records handed to BuildHistoryEntry.
    const char* listText;
};

// Builds the entry for a calculation whose outcome is `outcome`, from the
// records as the display shows them:
//   roots:                     prefix, previous.szTask (the equation),
//                              "\r\nx1 = \t", previous.szAnswer,
//                              "\r\nx2 = \t", current.szAnswer, CR LF
//   a task in current.szTask:  prefix, szTask, " = ", szAnswer, CR LF
//   no task otherwise:         CR LF alone (no number is used)
// The prefix is "\r\n<n>. \t" with n = taskNumber when numbering is on (and
// taskNumber then grows by one, stopping at the largest int), otherwise CR LF.
// The dump replaces the text by the debug dump of `current`; its number is
// used up all the same.
void BuildHistoryEntry(Outcome outcome, const TaskRecord& current, const TaskRecord& previous, bool numbering,
                       int& taskNumber, HistoryEntry& entry);
