#!/usr/bin/env bash
# Checks when scripts/wine-run.sh (ctest's runner of Windows programs) starts
# a program a second time: only when Wine itself failed to start it, never
# when the program failed. A stand-in wine plays each row's first start.
#
#   wine_run_test.sh [ROOT]      ROOT: the top of the source tree
# Prints "ok ..." or "FAIL ..." per row; fails when any row failed.
set -uo pipefail

root=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A prefix that already has the unmanaged-window setting, so that wine-run.sh
# starts nothing but the program.
prefix=$work/prefix
mkdir -p "$prefix"
echo '"Managed"="N"' >"$prefix/user.reg"

# The stand-in: its first start does what FIRST says (out, err, status, each
# may be empty), every later start writes "second" and exits 0.
bin=$work/bin
mkdir -p "$bin"
cat >"$bin/wine" <<'EOF'
#!/usr/bin/env bash
echo start >>"$STARTS"
if [[ $(wc -l <"$STARTS") -gt 1 ]]; then echo second; exit 0; fi
IFS='|' read -r out err status <<<"$FIRST"
[[ -n $out ]] && echo "$out"
[[ -n $err ]] && echo "$err" >&2
exit "${status:-0}"
EOF
chmod +x "$bin/wine"

failures=0
# row DESCRIPTION FIRST STARTS STATUS: the starts made and the status passed on.
row() {
  local what=$1 first=$2 want_starts=$3 want_status=$4
  local starts=$work/starts
  : >"$starts"
  env PATH="$bin:$PATH" ZBL_WINEPREFIX="$prefix" STARTS="$starts" FIRST="$first" \
    bash "$root/scripts/wine-run.sh" program.exe </dev/null >"$work/out" 2>"$work/err"
  local status=$? got
  got=$(wc -l <"$starts")
  if [[ $got == "$want_starts" && $status == "$want_status" ]]; then
    echo "ok   $what"
  else
    echo "FAIL $what: $got starts, status $status (want $want_starts, $want_status)"
    failures=$((failures + 1))
  fi
}

row "a program that passes is started once" "out||0" 1 0
row "a program that fails is started once" "out|err|1" 1 1
row "a program that fails silently is started once" "||3" 1 3
row "a program's own message without output is not Wine's" "|error: bad input|2" 1 2
row "Wine's client error starts it again" "|wine client error:0: recvmsg: Connection reset by peer|1" 2 0
row "Wine's loader error starts it again" "|wine: could not load kernel32.dll, status c0000135|1" 2 0
row "Wine's message after the program wrote is the program's failure" \
  "Running main()|wine client error:0: write: Bad file descriptor|1" 1 1

# The second start is said, with what Wine said the first time.
: >"$work/starts"
env PATH="$bin:$PATH" ZBL_WINEPREFIX="$prefix" STARTS="$work/starts" \
  FIRST="|wine client error:0: recvmsg: Connection reset by peer|1" \
  bash "$root/scripts/wine-run.sh" program.exe </dev/null >"$work/out" 2>"$work/err"
if grep -q "^wine-run: Wine did not start program.exe (exit 1); starting it again" "$work/err" &&
  grep -q "^wine client error" "$work/err" && grep -qx second "$work/out"; then
  echo "ok   the second start is said, and its output passed on"
else
  echo "FAIL the second start is said, and its output passed on"
  failures=$((failures + 1))
fi

echo "$failures failed"
((failures == 0))
