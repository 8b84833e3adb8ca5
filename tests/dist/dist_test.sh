#!/usr/bin/env bash
# Checks the two release packages that the `dist` target makes.
#
#   dist_test.sh portable ZIP PROGRAM CLI HELP VERSION WINE_RUN
#   dist_test.sh installer SETUP PROGRAM CLI HELP VERSION WINE_RUN START_PROGRAM
#
# PROGRAM, CLI and HELP are the built zentrabel.exe, zentrabel-cli.exe and the
# help page the package must hold unchanged; VERSION the project's version;
# WINE_RUN the script that runs a Windows program in the test Wine prefix
# (scripts/wine-run.sh, which takes the prefix from ZBL_WINEPREFIX);
# START_PROGRAM the helper that starts the window, finds it and closes it.
#
# portable: the zip holds exactly the three files in one versioned folder,
#   byte for byte, and its console calculator runs from where it is unpacked.
# installer: a silent install into a fresh folder puts the three files, the
#   uninstaller, the Start-menu shortcut and the uninstall entry in place; the
#   installed console calculator and window start; a silent uninstall removes
#   all of it again.
# Prints "ok ..." per check passed and "FAIL ..." per check failed; the exit
# status is the number of failed checks (at most 1 shown as non-zero).
set -uo pipefail

mode=${1:-}
package=${2:-}
program=${3:-}
cli=${4:-}
help=${5:-}
version=${6:-}
wine_run=${7:-}
start_program=${8:-}

root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=${ZBL_WINEPREFIX:-$root/build/wineprefix}
export ZBL_WINEPREFIX=$prefix
# A shortcut made under Wine would otherwise also land in the host's menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"
export WINEDEBUG=-all

failures=0
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then ok "$what"; else fail "$what"; fi
}
finish() {
  echo "$failures failed"
  ((failures == 0))
  exit
}
wine_run() { bash "$wine_run" "$@"; }

for f in "$package" "$program" "$cli" "$help"; do
  if [[ ! -f $f ]]; then
    fail "missing $f (build the dist target: cmake --build --preset mingw --target dist)"
    finish
  fi
done
[[ -n $version ]] || { fail "no version given"; finish; }

# Runs the console calculator at this Windows or host path; checks that it
# prints the version and calculates a formula.
check_cli_runs() {
  local exe=$1 out
  out=$(wine_run "$exe" --version 2>&1 | tr -d '\r')
  check "$exe --version prints \"zentrabel-cli $version\" (got \"$out\")" [ "$out" = "zentrabel-cli $version" ]
  out=$(wine_run "$exe" 2H2O+3 2>&1 | tr -d '\r')
  check "$exe calculates 2H2O+3 = 39.03056 (got \"$out\")" [ "$out" = 39.03056 ]
}

case $mode in
portable)
  folder=Zentrabel-$version
  expected=$(printf '%s\n' "$folder/help.html" "$folder/zentrabel-cli.exe" "$folder/zentrabel.exe")
  listed=$(unzip -Z1 "$package" 2>&1 | sort)
  check "zip lists exactly $folder/{help.html,zentrabel-cli.exe,zentrabel.exe} (got: $(tr '\n' ' ' <<<"$listed"))" \
    [ "$listed" = "$expected" ]
  check "zip integrity" unzip -tq "$package"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  unzip -q "$package" -d "$work"
  check "zipped zentrabel.exe is the built one" cmp -s "$program" "$work/$folder/zentrabel.exe"
  check "zipped zentrabel-cli.exe is the built one" cmp -s "$cli" "$work/$folder/zentrabel-cli.exe"
  check "zipped help.html is the shipped page" cmp -s "$help" "$work/$folder/help.html"
  check_cli_runs "$work/$folder/zentrabel-cli.exe"
  finish
  ;;
installer) ;;
*)
  echo "usage: $0 portable|installer PACKAGE PROGRAM CLI HELP VERSION WINE_RUN [START_PROGRAM]" >&2
  exit 2
  ;;
esac

[[ -f $start_program ]] || { fail "missing $start_program"; finish; }
if [[ -z ${DISPLAY:-} ]]; then
  fail "no DISPLAY: the installed window cannot be started (scripts/test.sh provides Xvfb)"
fi

win_dir='C:\zbl-dist-test\Zentrabel'
dir=$prefix/drive_c/zbl-dist-test/Zentrabel
rm -rf "$prefix/drive_c/zbl-dist-test"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrabel'

t0=$SECONDS
wine_run "$package" /S "/D=$win_dir"
rc=$?
check "silent install exits 0 (exit $rc, $((SECONDS - t0)) s)" [ "$rc" -eq 0 ]

check "installed zentrabel.exe is the built one" cmp -s "$program" "$dir/zentrabel.exe"
check "installed zentrabel-cli.exe is the built one" cmp -s "$cli" "$dir/zentrabel-cli.exe"
check "installed help.html is the shipped page" cmp -s "$help" "$dir/help.html"
check "uninstall.exe written" [ -f "$dir/uninstall.exe" ]
listed=$(cd "$dir" 2>/dev/null && ls | tr '\n' ' ')
check "install folder holds only those four files (got: $listed)" \
  [ "$listed" = "help.html uninstall.exe zentrabel-cli.exe zentrabel.exe " ]

shortcut=$(find "$prefix/drive_c/users" -path '*/Start Menu/Programs/Zentrabel.lnk' 2>/dev/null | head -n 1)
check "Start-menu shortcut Zentrabel.lnk exists" [ -n "$shortcut" ]
# A link may store its target in 8-bit or UTF-16 text, or both; the folder
# it starts the program in (where the settings file goes) in UTF-16. What
# `strings` shows may begin with a length byte that happens to be printable.
link_names() {  # link_names LINK TEXT: some text of the link ends with TEXT
  { strings -a "$1"; strings -a -el "$1"; } | TAIL="$2" awk '
    BEGIN { tail = tolower(ENVIRON["TAIL"]) }
    { line = tolower($0); n = length(line) - length(tail)
      if (n >= 0 && n <= 1 && substr(line, n + 1) == tail) found = 1 }
    END { exit !found }'
}
if [[ -n $shortcut ]]; then
  check "shortcut points at the installed zentrabel.exe" link_names "$shortcut" "$win_dir\\zentrabel.exe"
  check "shortcut starts the program in the install folder" link_names "$shortcut" "$win_dir"
fi
entry=$(wine_run reg query "$key" 2>/dev/null | tr -d '\r')
check "uninstall entry carries version $version" grep -Eq "DisplayVersion +REG_SZ +$version\$" <<<"$entry"
check "uninstall entry names the uninstaller" grep -qi 'UninstallString.*zbl-dist-test\\Zentrabel\\uninstall.exe' <<<"$entry"

check_cli_runs "$win_dir\\zentrabel-cli.exe"
if [[ -n ${DISPLAY:-} ]]; then
  check "installed zentrabel.exe shows its window \"Zentrabel\" and closes" \
    wine_run "$start_program" "$win_dir\\zentrabel.exe"
fi

# The uninstaller copies itself to a temporary folder, starts the copy and
# ends at once, so wait for the copy's work to show.
t0=$SECONDS
wine_run "$dir/uninstall.exe" /S
for ((i = 0; i < 300; i++)); do
  [[ -e $dir || ( -n $shortcut && -e $shortcut ) ]] || break
  sleep 0.1
done
check "silent uninstall removes the install folder ($((SECONDS - t0)) s)" [ ! -e "$dir" ]
[[ -z $shortcut ]] || check "silent uninstall removes the shortcut" [ ! -e "$shortcut" ]
entry_gone() { ! wine_run reg query "$key" >/dev/null 2>&1; }
check "silent uninstall removes the uninstall entry" entry_gone
rm -rf "$prefix/drive_c/zbl-dist-test"
finish
