// zentrabel-cli: the console front end of the calculator.
//
//   zentrabel-cli                 interactive (or piped) calculator, one task a line
//   zentrabel-cli TASK...         calculates the tasks in order, one answer a line
//   zentrabel-cli --batch         one output line per input line, streaming
//   zentrabel-cli --trace         one JSON record per input line
//   --seed N                      seeds the random generator (rand, ran)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "build_config.h"
#include "composition_output.h"
#include "console_io.h"
#include "engine.h"
#include "text.h"
#include "trace.h"

#ifdef _WIN32
#include <io.h>
#define ZBL_ISATTY _isatty
#define ZBL_FILENO _fileno
#else
#include <unistd.h>
#define ZBL_ISATTY isatty
#define ZBL_FILENO fileno
#endif

namespace {

constexpr const char* kVersion = ZBL_VERSION_NUMBER;

const char kUsage[] =
    "Usage: zentrabel-cli [--seed N] [TASK...]\n"
    "       zentrabel-cli [--seed N] --batch    < tasks\n"
    "       zentrabel-cli [--seed N] --trace    < tasks\n"
    "       zentrabel-cli --composition [--json] FORMULA...\n"
    "\n"
    "Calculates arithmetic, functions, chemical formulas (molar masses),\n"
    "quadratic equations and # command lines, one task a line.\n"
    "  (no TASK)   reads tasks from standard input and prints 'task = answer'\n"
    "  TASK...     calculates the tasks in order and prints each answer\n"
    "  --batch     prints exactly one answer line per input line\n"
    "  --trace     prints one JSON record of the engine per input line\n"
    "  --seed N    seeds the random generator so runs repeat\n"
    "  --composition  breaks each formula down by element: atoms, mass, percent\n"
    "  --json      with --composition: one JSON object a formula\n"
    "  --version   prints the version\n";

// The answer line of a task: the answer, or both roots of an equation.
std::string AnswerLine(const TaskRecord& record, int result, bool refused) {
    if (refused) return kLineTooLongText;
    if (result == kKindQuadratic) {
        char first[kAnswerCapacity + 1];
        FormatFirstRoot(record, first, kAnswerCapacity);
        return std::string("x1 = ") + first + "; x2 = " + record.szAnswer;
    }
    return record.szAnswer;
}

// The history form of a task, as the calculator's history shows it.
std::string HistoryEntry(const TaskRecord& record, int result, bool refused) {
    if (refused) return kLineTooLongText;
    if (result == 20) {
        return std::string("szTask     = ") + record.szTask + "\nszMaths = " + record.szMaths +
               "\nszResult   = " + record.szResult + "\nszAnswer  = " + record.szAnswer +
               "\nszMemory  = " + record.szMemory;
    }
    if (result == kKindQuadratic) {
        char first[kAnswerCapacity + 1];
        FormatFirstRoot(record, first, kAnswerCapacity);
        return std::string(record.szTask) + "\nx1 = " + first + "\nx2 = " + record.szAnswer;
    }
    if (record.szTask[0] == 0) return "";
    return std::string(record.szTask) + " = " + record.szAnswer;
}

const char* UnknownSymbolText() {
    static char text[kStatusMessageCapacity + 1];
    if (!text[0]) GetStatusMessage(kStatusUnknownSymbol, text, kStatusMessageCapacity);
    return text;
}

// Each formula's breakdown, as a table or as JSON lines; 1 when any formula
// was refused.
int RunComposition(const std::vector<const char*>& formulas, bool json) {
    std::string out;
    bool allBrokenDown = true;
    for (const char* formula : formulas) {
        const bool ok = json ? AppendCompositionJson(out, formula) : AppendCompositionTable(out, formula);
        allBrokenDown = allBrokenDown && ok;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return allBrokenDown ? 0 : 1;
}

int RunTasks(const std::vector<const char*>& tasks) {
    TaskRecord record;
    ResetTaskRecord(record);
    for (const char* task : tasks) {
        bool refused = false;
        const int result = CalculateLine(record, task, std::strlen(task), refused);
        std::printf("%s\n", AnswerLine(record, result, refused).c_str());
    }
    return 0;
}

// Batch and trace stream: input is taken as it arrives, output collected in
// blocks and written whenever the input runs dry, so a line-by-line partner
// gets each answer before it sends the next line. No more than one line is
// held at a time.
int RunStream(bool trace) {
    TaskRecord record;
    ResetTaskRecord(record);
    OutputBuffer out(ZBL_FILENO(stdout));
    LineReader reader(ZBL_FILENO(stdin), &OutputBuffer::FlushCallback, &out);
    std::string line;
    std::string text;
    size_t length = 0;
    // The trace echoes the whole input line; a batch needs only as much as
    // can be a task.
    const size_t keep = trace ? static_cast<size_t>(-1) : kInputLineCapacity + 1;
    while (reader.Next(line, keep, length) && !out.Failed()) {
        bool refused = false;
        const int result = CalculateLine(record, line.data(), length, refused);
        text.clear();
        if (trace) {
            AppendTraceJson(text, line.data(), line.size(), record, refused ? nullptr : &result);
        } else {
            text = AnswerLine(record, result, refused);
        }
        text.push_back('\n');
        out.Put(text);
    }
    return out.Flush() && !reader.Failed() ? 0 : 1;
}

int RunInteractive() {
    const bool terminal = ZBL_ISATTY(ZBL_FILENO(stdin));
    TaskRecord record;
    ResetTaskRecord(record);
    OutputBuffer out(ZBL_FILENO(stdout));
    LineReader reader(ZBL_FILENO(stdin), &OutputBuffer::FlushCallback, &out);
    std::string line;
    size_t length = 0;
    if (terminal) {
        out.Put("Zentrabel ");
        out.Put(kVersion);
        out.Put(" - type a task, end with Ctrl+D\n> ");
    }
    while (reader.Next(line, kInputLineCapacity + 1, length) && !out.Failed()) {
        bool refused = false;
        const int result = CalculateLine(record, line.data(), length, refused);
        out.Put(HistoryEntry(record, result, refused));
        out.Put('\n');
        // Where the calculator stumbled over a symbol, a caret points at it.
        size_t at = 0;
        char symbol[3];
        if (!refused && result == -1 && std::strcmp(record.szResult, UnknownSymbolText()) == 0 &&
            LocateUnknownSymbol(record.szTask, at, symbol)) {
            out.Put(CaretLine(at));
            out.Put('\n');
        }
        if (terminal) out.Put("> ");
    }
    if (terminal) out.Put('\n');
    return out.Flush() && !reader.Failed() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    bool batch = false;
    bool trace = false;
    bool seeded = false;
    bool composition = false;
    bool json = false;
    std::vector<const char*> tasks;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--batch") == 0) {
            batch = true;
        } else if (std::strcmp(arg, "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(arg, "--seed") == 0 && i + 1 < argc) {
            SeedRandom(static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10)));
            seeded = true;
        } else if (std::strcmp(arg, "--composition") == 0) {
            composition = true;
        } else if (std::strcmp(arg, "--json") == 0) {
            json = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            std::printf("zentrabel-cli %s\n", kVersion);
            return 0;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg[0] == '-' && arg[1] == '-') {
            std::fprintf(stderr, "zentrabel-cli: unknown option %s\n\n%s", arg, kUsage);
            return 2;
        } else {
            tasks.push_back(arg);  // a task may begin with "-": only "--" starts an option
        }
    }
    if (!seeded) SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    if ((batch || trace) && !tasks.empty()) {
        std::fprintf(stderr, "zentrabel-cli: --batch and --trace read standard input, not arguments\n");
        return 2;
    }
    if (json && !composition) {
        std::fprintf(stderr, "zentrabel-cli: --json goes with --composition\n");
        return 2;
    }
    if (composition) {
        if (batch || trace || tasks.empty()) {
            std::fprintf(stderr, "zentrabel-cli: --composition takes formulas as arguments\n");
            return 2;
        }
        return RunComposition(tasks, json);
    }
    if (trace) return RunStream(true);
    if (batch) return RunStream(false);
    if (!tasks.empty()) return RunTasks(tasks);
    return RunInteractive();
}
