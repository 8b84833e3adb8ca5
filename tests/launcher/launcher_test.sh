#!/usr/bin/env bash
# Checks the Linux launcher scripts/zentrabel and the desktop entry, with
# stand-ins for wine, wineboot and wineserver that record how they were run:
# which program it finds (in its order), the prefix made on first use, the
# folder and environment Wine runs in, and the menu entry it installs.
#
#   launcher_test.sh [ROOT]      ROOT: the top of the source tree
# Prints "ok ..." or "FAIL ..." per check; fails when any check failed.
set -uo pipefail

root=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# The launcher copied alone into a folder of its own, so that no build tree
# lies beside it unless a row puts one there.
tree=$work/tree
mkdir -p "$tree/scripts" "$tree/resources"
cp "$root/scripts/zentrabel" "$tree/scripts/zentrabel"
cp "$root/resources/zentrabel.desktop" "$root/resources/zentrabel.png" "$tree/resources/"
launcher=$tree/scripts/zentrabel

# Stand-ins: wine records its arguments, folder and environment; wineboot
# makes the prefix's registry file as the real one does.
bin=$work/bin
mkdir -p "$bin"
cat >"$bin/wine" <<'EOF'
#!/bin/sh
{ echo "args=$*"; echo "pwd=$(pwd)"; echo "prefix=$WINEPREFIX"; echo "debug=$WINEDEBUG"
  echo "overrides=$WINEDLLOVERRIDES"; } >"$WINE_LOG"
EOF
cat >"$bin/wineboot" <<'EOF'
#!/bin/sh
echo wineboot >>"$WINE_LOG.boot"; mkdir -p "$WINEPREFIX" && : >"$WINEPREFIX/system.reg"
EOF
printf '#!/bin/sh\nexit 0\n' >"$bin/wineserver"
chmod +x "$bin"/*

# Runs the launcher with a fresh home and data folder of this row's own.
run() {  # run HOME_NAME ARGS...
  local home=$work/$1
  shift
  mkdir -p "$home"
  env -u ZENTRABEL_EXE -u ZENTRABEL_PREFIX -u XDG_DATA_HOME HOME="$home" PATH="$bin:$PATH" \
    WINE_LOG="$home/wine.log" "${extra_env[@]}" bash "$launcher" "$@"
}
extra_env=()

# --- Which program, in order: ZENTRABEL_EXE, beside, build tree, installed.
home=$work/h1
installed=$home/.local/share/zentrabel/wineprefix/drive_c/users/someone/AppData/Local/Programs/Zentrabel/zentrabel.exe
mkdir -p "$(dirname "$installed")"
: >"$installed"
out=$(run h1 --which)
check "finds the copy installed in its prefix" grep -qxF "program: $installed" <<<"$out"
check "prefix defaults to ~/.local/share/zentrabel/wineprefix" \
  grep -qxF "prefix:  $home/.local/share/zentrabel/wineprefix" <<<"$out"

mkdir -p "$tree/build/mingw/ui"
: >"$tree/build/mingw/ui/zentrabel.exe"
out=$(run h1 --which)
check "prefers the build of its own clone to the installed copy" \
  grep -qxF "program: $tree/build/mingw/ui/zentrabel.exe" <<<"$out"

: >"$tree/scripts/zentrabel.exe"
out=$(run h1 --which)
check "prefers a zentrabel.exe beside itself to the build" grep -qxF "program: $tree/scripts/zentrabel.exe" <<<"$out"
rm "$tree/scripts/zentrabel.exe"

: >"$work/chosen.exe"
extra_env=(ZENTRABEL_EXE="$work/chosen.exe")
out=$(run h1 --which)
check "ZENTRABEL_EXE comes first" grep -qxF "program: $work/chosen.exe" <<<"$out"
extra_env=(ZENTRABEL_EXE="$work/missing.exe")
out=$(run h1 --which)
rc=$?
# A named program that is not there is an error, not a reason to take another.
check "a missing ZENTRABEL_EXE is not replaced by another (exit $rc)" \
  bash -c '[ "$1" -ne 0 ] && grep -qxF "program: (none found)" <<<"$2"' _ "$rc" "$out"
run h1 >/dev/null 2>"$work/h1.err"
rc=$?
check "starting with a missing ZENTRABEL_EXE fails with a hint (exit $rc)" \
  bash -c '[ "$1" -ne 0 ] && grep -q "zentrabel.exe not found" "$2"' _ "$rc" "$work/h1.err"
extra_env=()

rm -rf "$tree/build"
out=$(run h2 --which)
rc=$?
check "nothing found: --which fails (exit $rc)" [ "$rc" -ne 0 ]
run h2 >/dev/null 2>"$work/h2/err"
rc=$?
check "nothing found: starting fails with a hint (exit $rc)" \
  bash -c '[ "$1" -ne 0 ] && grep -q "zentrabel.exe not found" "$2"' _ "$rc" "$work/h2/err"

# --- Starting: the prefix is made once, Wine runs the program in the data
# folder, quietly, without its own menu entries.
mkdir -p "$tree/build/mingw/ui"
: >"$tree/build/mingw/ui/zentrabel.exe"
home=$work/h3
run h3 2>"$work/h3.err"
rc=$?
check "start exits as wine does (exit $rc)" [ "$rc" -eq 0 ]
log=$(cat "$home/wine.log" 2>/dev/null)
check "wine runs the program" grep -qxF "args=$tree/build/mingw/ui/zentrabel.exe" <<<"$log"
check "in the data folder, where zbl.cfg lives" grep -qxF "pwd=$home/.local/share/zentrabel" <<<"$log"
check "with its own prefix" grep -qxF "prefix=$home/.local/share/zentrabel/wineprefix" <<<"$log"
check "with Wine's messages off" grep -qxF "debug=-all" <<<"$log"
check "without add-on prompts or Wine's menu entries" \
  grep -qxF "overrides=mscoree,mshtml=;winemenubuilder.exe=d" <<<"$log"
check "the first start makes the prefix" grep -qc wineboot "$home/wine.log.boot"
run h3 2>/dev/null
check "later starts reuse it" [ "$(grep -c wineboot "$home/wine.log.boot")" -eq 1 ]

extra_env=(ZENTRABEL_PREFIX="$work/elsewhere")
run h3 2>/dev/null
check "ZENTRABEL_PREFIX names another prefix" grep -qxF "prefix=$work/elsewhere" <<<"$(cat "$home/wine.log")"
extra_env=()

# --- The desktop entry, as shipped and as installed.
check "resources/zentrabel.desktop is valid" desktop-file-validate "$root/resources/zentrabel.desktop"
home=$work/h4
run h4 --install-desktop >/dev/null
entry=$home/.local/share/applications/zentrabel.desktop
check "--install-desktop writes a valid entry" desktop-file-validate "$entry"
check "its Exec is the launcher's own path" grep -qxF "Exec=$launcher" "$entry"
check "its icon is the program's" cmp -s "$root/resources/zentrabel.png" \
  "$home/.local/share/icons/hicolor/48x48/apps/zentrabel.png"
check "its categories" grep -qxF "Categories=Utility;Calculator;" "$entry"

# A path with a space is quoted in Exec.
spaced=$work/with\ space
mkdir -p "$spaced"
cp -r "$tree/scripts" "$tree/resources" "$spaced/"
HOME=$work/h5 PATH="$bin:$PATH" bash "$spaced/scripts/zentrabel" --install-desktop >/dev/null
entry=$work/h5/.local/share/applications/zentrabel.desktop
check "an Exec path with a space is quoted" grep -qxF "Exec=\"$spaced/scripts/zentrabel\"" "$entry"
check "and the entry stays valid" desktop-file-validate "$entry"

echo "$failures failed"
((failures == 0))
