#!/usr/bin/env bash
# The one run command: installs what is missing, builds, starts the calculator.
#
# With a display ($DISPLAY) and the Windows program built, the calculator
# window runs under Wine. Otherwise, or when arguments are given (the window
# takes none), the console calculator zentrabel-cli runs with the arguments:
#   bash scripts/run.sh                 interactive, one task per line
#   bash scripts/run.sh '2+3' 'ans*4'   calculates the tasks in order
#   bash scripts/run.sh --batch < file  one answer line per input line
# Set-up and build messages go to standard error, so standard output carries
# only the calculator's own output.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${ZBL_JOBS:-2}
window=build/mingw/ui/zentrabel.exe
cli=build/release/cli/zentrabel-cli

want_window=0
if [[ -n ${DISPLAY:-} && $# -eq 0 && -f ui/CMakeLists.txt ]]; then
  want_window=1
fi

{
  bash scripts/setup.sh
  # cmake --build reconfigures by itself when a CMakeLists.txt changed.
  [[ -f build/release/build.ninja ]] || cmake --preset release
  cmake --build --preset release -j "$jobs" --target zentrabel-cli
  if ((want_window)); then
    [[ -f build/mingw/build.ninja ]] || cmake --preset mingw
    cmake --build --preset mingw -j "$jobs" --target zentrabel
  fi
} >&2

if ((want_window)) && [[ -f $window ]]; then
  # A prefix of its own that tests never wipe, so the window's settings and
  # history last from one run to the next.
  export ZBL_WINEPREFIX=$root/build/wineprefix-run
  exec bash scripts/wine-run.sh "$window"
fi
exec "$cli" "$@"
