#!/usr/bin/env bash
# Makes a fresh Wine prefix whose screen has another DPI, for the tests of
# the window at that scaling:
#   bash scripts/wine-dpi-prefix.sh PREFIX DPI
# The prefix is a copy of the project's own prefix (ZBL_WINEPREFIX, or
# build/wineprefix) when that one exists, else made anew; then its screen DPI
# (LogPixels) is set and its wineserver left to write the registry and end.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=$1
dpi=$2
base=${ZBL_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

rm -rf "$prefix"
if [[ -f $base/system.reg ]]; then
  cp -a "$base" "$prefix"
else
  mkdir -p "$prefix"
  # Without the 32-bit loader wineboot complains about syswow64; the 64-bit
  # prefix it creates is complete all the same.
  WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1 || true
fi
export WINEPREFIX=$prefix
# Unmanaged windows, as in the project's prefix (see wine-run.sh).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
timeout 60 wineserver -w
if ! grep -qi '"LogPixels"=dword:0*'"$(printf '%x' "$dpi")" "$prefix/user.reg"; then
  echo "wine-dpi-prefix: LogPixels $dpi was not written to $prefix" >&2
  exit 1
fi
echo "wine-dpi-prefix: $prefix at $dpi DPI"
