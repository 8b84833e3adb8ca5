#!/usr/bin/env bash
# Runs a Windows executable under Wine in the project's own throw-away prefix,
# quietly and without add-on prompts. Used by ctest for cross-built tests.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${ZBL_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
# Xvfb runs no window manager, and Wine waits two seconds for one each time a
# managed top-level window is hidden (every closed dialog). Unmanaged windows
# behave the same without the wait. The setting is read when a process starts.
if ! grep -qs '^"Managed"="N"' "$WINEPREFIX/user.reg"; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
fi
if [[ -t 1 ]]; then
  exec wine "$@"
fi
# The processes Wine starts beside the program (services, devices, the
# desktop) inherit its output and outlive it by a few seconds; a reader that
# waits for the end of the output, such as ctest, would wait for them too.
# So the output goes through files that only this script passes on.
out=$(mktemp)
err=$(mktemp)
trap 'cat "$out"; cat "$err" >&2; rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" || status=$?
# Wine can fail before the program starts (its client losing a race with a
# wineserver that is just ending, for one). It then says so on standard error
# in lines of its own, and the program has written nothing: such a start is
# made once more, and said.
if ((status != 0)) && [[ ! -s $out ]] && grep -q '^wine\( client error\|:\)' "$err"; then
  echo "wine-run: Wine did not start $1 (exit $status); starting it again" >&2
  cat "$err" >&2
  : >"$err"
  status=0
  wine "$@" >"$out" 2>"$err" || status=$?
fi
exit "$status"
