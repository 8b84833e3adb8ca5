// zentrabel-cli: the console front end of the calculator. See options.h for
// its modes and kUsage for what it takes.
#include <csignal>
#include <cstdio>
#include <ctime>
#include <string>

#include "build_config.h"
#include "console_io.h"
#include "console_settings.h"
#include "engine.h"
#include "modes.h"
#include "options.h"
#include "task_record.h"

#ifdef _WIN32
#include <io.h>
#define ZBL_ISATTY _isatty
#define ZBL_FILENO _fileno
#else
#include <unistd.h>
#define ZBL_ISATTY isatty
#define ZBL_FILENO fileno
#endif

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        Warn(error);
        std::fprintf(stderr, "\n%s", kUsage);
        return 2;
    }
    switch (options.mode) {
    case Mode::kHelp:
        std::fputs(kUsage, stdout);
        return 0;
    case Mode::kVersion:
        std::printf("zentrabel-cli %s\n", ZBL_VERSION_NUMBER);
        return 0;
    default:
        break;
    }
    SeedRandom(options.seeded ? options.seed : static_cast<unsigned>(std::time(nullptr)));
#ifndef _WIN32
    // A reader of the answers that goes away (| head -1) makes a write fail,
    // which ends the mode with a message and status 1, rather than a SIGPIPE
    // that ends the calculator without a word.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    // A person at a terminal keeps their settings from one session to the
    // next; every other mode starts from the defaults, so that a script's
    // output never depends on a person's settings, unless a file is named.
    const bool terminal = options.mode == Mode::kInteractive && ZBL_ISATTY(ZBL_FILENO(stdin));
    std::string settingsPath = options.configFile;
    if (settingsPath.empty() && terminal && !options.noConfig) settingsPath = UserSettingsPath();
    ConsoleSettings settings;
    TaskRecord record;
    settings.Load(settingsPath, record);

    switch (options.mode) {
    case Mode::kArguments:
        return RunArguments(record, options.tasks);
    case Mode::kBatch:
        return RunStream(record, false);
    case Mode::kTrace:
        return RunStream(record, true);
    case Mode::kComposition:
        return RunComposition(options.tasks, options.json);
    default: {
        const int status = RunInteractive(record, terminal);
        if (terminal) settings.SaveIfChanged(record);
        return status;
    }
    }
}
