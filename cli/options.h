// The console calculator's command line: which mode runs and with what.
#pragma once

#include <string>
#include <vector>

enum class Mode {
    kInteractive,  // no task given: tasks from standard input, "task = answer"
    kArguments,    // tasks as arguments, one answer line each
    kBatch,        // one answer line per input line
    kTrace,        // one JSON record per input line
    kComposition,  // formulas as arguments, broken down by element
    kHelp,
    kVersion,
};

struct Options {
    Mode mode = Mode::kInteractive;
    bool json = false;  // with kComposition
    bool seeded = false;
    unsigned seed = 0;
    bool noConfig = false;   // start from the defaults everywhere
    std::string configFile;  // start from this settings file
    std::vector<const char*> tasks;
};

// Reads argv. Returns true with `options` filled, or false with `error` set
// to what is wrong (a usage error). Only "--" starts an option, so a task may
// begin with "-" (-2^2); "--" alone ends the options.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// The usage text --help prints.
extern const char kUsage[];
