#include "line_editor.h"

#include "history_file.h"

#ifdef ZBL_HAVE_LIBEDIT
#include <editline/readline.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#endif

bool LineEditor::Available() {
#ifdef ZBL_HAVE_LIBEDIT
    return true;
#else
    return false;
#endif
}

LineEditor::LineEditor(InterruptCatcher& interrupt) : interrupt_(interrupt) {
#ifdef ZBL_HAVE_LIBEDIT
    // libedit decodes what is typed by the locale's character set and drops
    // what it cannot decode: in the plain C locale every byte above 127
    // (a middle dot in a hydrate, say). Nearly every terminal sends UTF-8, so
    // a locale without a character set of its own falls back to C.UTF-8. The
    // calculator itself uses no locale-dependent function.
    const char* locale = std::setlocale(LC_CTYPE, "");
    if (!locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
    rl_readline_name = "zentrabel";  // for sections of ~/.editrc
    // Tab would complete file names, which no task contains.
    rl_inhibit_completion = 1;
    // libedit's own signal handling stays on: it puts the terminal back for
    // Ctrl+Z and after a resize, and passes SIGINT on to InterruptCatcher's
    // handler, after which readline returns null.
    rl_initialize();
    using_history();
    stifle_history(static_cast<int>(kHistoryLines));
#endif
}

LineEditor::Got LineEditor::Next(const char* prompt, std::string& line) {
    line.clear();
#ifdef ZBL_HAVE_LIBEDIT
    interrupt_.Clear();  // a Ctrl+C while calculating cancels nothing typed
    char* typed = readline(prompt);
    if (!typed) return interrupt_.Raised() ? Got::kCancelled : Got::kEnd;
    line = typed;
    std::free(typed);
    return Got::kLine;
#else
    (void)prompt;
    return Got::kEnd;
#endif
}

bool LineEditor::Remember(const std::string& line) {
    if (line.empty() || line == latest_) return false;
    latest_ = line;
#ifdef ZBL_HAVE_LIBEDIT
    add_history(line.c_str());
#endif
    return true;
}
