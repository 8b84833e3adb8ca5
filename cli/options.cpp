#include "options.h"

#include <charconv>
#include <cstring>

const char kUsage[] =
    "Usage: zentrabel-cli [OPTION]... [TASK]...\n"
    "       zentrabel-cli [OPTION]... --batch  < tasks\n"
    "       zentrabel-cli [OPTION]... --trace  < tasks\n"
    "       zentrabel-cli --composition [--json] FORMULA...\n"
    "\n"
    "Calculates arithmetic, functions, chemical formulas (molar masses),\n"
    "quadratic equations and # command lines, one task a line.\n"
    "  (no TASK)      reads tasks from standard input and prints 'task = answer'\n"
    "  TASK...        calculates the tasks in order and prints each answer;\n"
    "                 exits 1 when any task failed\n"
    "  --batch        prints exactly one answer line per input line\n"
    "  --trace        prints one JSON record of the engine per input line; it\n"
    "                 takes the bytes exactly as the engine sees them (no\n"
    "                 character conversion), and its format stays as it is\n"
    "  --composition  breaks each formula down by element: atoms, mass, percent\n"
    "  --json         with --composition: one JSON object a formula\n"
    "  --seed N       seeds the random generator so runs repeat\n"
    "  --config FILE  starts from the settings in FILE\n"
    "  --no-config    starts from the default settings\n"
    "  --version      prints the version\n"
    "  --help         prints this text\n"
    "A task may begin with '-'; only '--' starts an option, and '--' alone\n"
    "ends them. On a terminal the settings last in\n"
    "$XDG_CONFIG_HOME/zentrabel/zbl.cfg; every other mode starts from the\n"
    "defaults unless --config is given. Exit status: 0, 1 when a task or\n"
    "formula failed (or reading or writing did), 2 on a usage error.\n"
    "The manual page zentrabel-cli(1) says more.\n";

namespace {

bool ReadSeed(const char* text, unsigned& seed) {
    const char* end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, seed);
    return result.ec == std::errc() && result.ptr == end && end != text;
}

}  // namespace

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    bool batch = false;
    bool trace = false;
    bool composition = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        auto value = [&](const char*& out) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if ((optionsEnded || arg[0] != '-' || arg[1] != '-') && std::strcmp(arg, "-h") != 0) {
            options.tasks.push_back(arg);
        } else if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(arg, "--batch") == 0) {
            batch = true;
        } else if (std::strcmp(arg, "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(arg, "--composition") == 0) {
            composition = true;
        } else if (std::strcmp(arg, "--json") == 0) {
            options.json = true;
        } else if (std::strcmp(arg, "--seed") == 0) {
            const char* text = nullptr;
            if (!value(text)) return false;
            if (!ReadSeed(text, options.seed)) {
                error = std::string("--seed takes a whole number, not ") + text;
                return false;
            }
            options.seeded = true;
        } else if (std::strcmp(arg, "--config") == 0) {
            const char* file = nullptr;
            if (!value(file)) return false;
            options.configFile = file;
        } else if (std::strcmp(arg, "--no-config") == 0) {
            options.noConfig = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            options.mode = Mode::kVersion;
            return true;
        } else if (std::strcmp(arg, "--help") == 0 || (!optionsEnded && std::strcmp(arg, "-h") == 0)) {
            options.mode = Mode::kHelp;
            return true;
        } else {
            error = std::string("unknown option ") + arg;
            return false;
        }
    }
    if (batch + trace + composition > 1) {
        error = "--batch, --trace and --composition are modes of their own; give one";
        return false;
    }
    if (options.json && !composition) {
        error = "--json goes with --composition";
        return false;
    }
    if (options.noConfig && !options.configFile.empty()) {
        error = "--config and --no-config contradict each other";
        return false;
    }
    if (composition) {
        if (options.tasks.empty()) {
            error = "--composition takes formulas as arguments";
            return false;
        }
        options.mode = Mode::kComposition;
    } else if (batch || trace) {
        if (!options.tasks.empty()) {
            error = "--batch and --trace read standard input, not arguments";
            return false;
        }
        options.mode = batch ? Mode::kBatch : Mode::kTrace;
    } else {
        options.mode = options.tasks.empty() ? Mode::kInteractive : Mode::kArguments;
    }
    return true;
}
