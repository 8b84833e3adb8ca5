#!/usr/bin/env bash
# Runs a Windows executable under Wine in the project's own throw-away prefix,
# quietly and without add-on prompts. Used by ctest for cross-built tests.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${ZBL_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
exec wine "$@"
