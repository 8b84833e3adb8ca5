#!/usr/bin/env bash
# The one test command. Without an argument it is the full run that CI makes:
# installs what is missing, then builds and runs every test in three
# configurations:
#   debug    native, AddressSanitizer + UndefinedBehaviorSanitizer, -Werror
#   mingw    Windows executables, -Werror, run under Wine in a fresh prefix;
#            the window's scaling tests again in a copy of it at 144 DPI
#   release  native, optimised, -Werror (also builds the benchmarks)
# and then three checks that count one entry each per line they report:
#   valgrind the release zentrabel-cli under memcheck over the task corpus,
#            one entry per stream mode (scripts/valgrind-cli.sh)
#   fuzz     every fuzz target for ZBL_FUZZ_SECONDS (default 60) each, one
#            entry per target (scripts/fuzz.sh)
#   format   the sources against .clang-format (scripts/check-format.sh)
# With a part's name it runs that part alone, building nothing else:
#   bash scripts/test.sh engine     (or debug)   the debug preset's tests
#   bash scripts/test.sh window     (or mingw)   the mingw preset under Wine
#   bash scripts/test.sh release | valgrind | fuzz | format
#   bash scripts/test.sh --help
# Test cases are counted from ctest's JUnit report. Ends with each summary
# and one line "N passed, M failed" over all that ran; exits non-zero when a
# build or a test failed or no test ran.
#
# ZBL_JOBS sets build and test parallelism (default 2).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${ZBL_JOBS:-2}
test_timeout=300

usage() {
  cat <<'USAGE'
usage: bash scripts/test.sh [PART]
  (no PART)        the full run: setup, debug, mingw, release, valgrind, fuzz, format
  engine, debug    native debug build (sanitizers) and its tests
  window, mingw    Windows build and its tests under Wine (own Xvfb, fresh prefix)
  release          native release build and its tests
  valgrind         the release console calculator under memcheck
  fuzz             every fuzz target for ZBL_FUZZ_SECONDS (default 60) each
  format           the sources against .clang-format
USAGE
}

part=${1:-all}
case $part in
  -h | --help) usage; exit 0 ;;
  all | engine | debug | window | mingw | release | valgrind | fuzz | format) ;;
  *) usage >&2; exit 2 ;;
esac
if (($# > 1)); then
  usage >&2
  exit 2
fi

passed=0
failed=0
trouble=0
summaries=()
started=$SECONDS

finish() {
  echo
  echo "==== summary ($((SECONDS - started)) s) ===="
  local line
  for line in "${summaries[@]}"; do
    echo "$line"
  done
  echo "$passed passed, $failed failed"
  if ((trouble || failed || passed == 0)); then
    exit 1
  fi
  exit 0
}

# Configures, builds and tests one preset; adds its counts to the totals.
run_preset() {
  local preset=$1
  shift
  local t0=$SECONDS
  echo
  echo "==== $preset ===="
  if ! cmake --preset "$preset" "$@"; then
    summaries+=("[$preset] configure failed")
    trouble=1
    return
  fi
  if ! cmake --build --preset "$preset" -j "$jobs"; then
    # Tests that could not be built count as failed.
    local listed
    listed=$(ctest --preset "$preset" -N 2>/dev/null | sed -n 's/^Total Tests: *//p')
    listed=${listed:-0}
    summaries+=("[$preset] build failed; $listed tests not run")
    failed=$((failed + listed))
    trouble=1
    return
  fi
  local log=build/$preset/ctest-summary.log
  local junit=$root/build/$preset/ctest-junit.xml
  rm -f "$junit"
  ctest --preset "$preset" -j "$jobs" --timeout "$test_timeout" --output-on-failure --output-junit "$junit" 2>&1 |
    tee "$log"
  local counts
  if ! counts=$(junit_counts "$junit"); then
    summaries+=("[$preset] no test report ($junit)")
    trouble=1
    return
  fi
  local n_passed n_failed n_skipped
  read -r n_passed n_failed n_skipped < <(head -n 1 <<<"$counts")
  passed=$((passed + n_passed))
  failed=$((failed + n_failed))
  if ((n_passed + n_failed == 0)); then
    summaries+=("[$preset] no tests ran")
    trouble=1
  fi
  summaries+=("[$preset] $n_passed passed, $n_failed failed, $n_skipped skipped")
  local name
  while IFS= read -r name; do
    summaries+=("[$preset] FAILED: $name")
  done < <(tail -n +2 <<<"$counts")
  summaries+=("[$preset] took $((SECONDS - t0)) s")
}

# Reads ctest's JUnit report FILE; prints "PASSED FAILED SKIPPED", then the
# name of each failed test, one a line. Fails when the report is missing or
# unreadable.
junit_counts() {
  python3 - "$1" <<'PY'
import sys
import xml.etree.ElementTree as ET

try:
    root = ET.parse(sys.argv[1]).getroot()
except (OSError, ET.ParseError) as error:
    print(error, file=sys.stderr)
    sys.exit(1)
passed, failed, skipped = 0, [], 0
for case in root.iter("testcase"):
    status = case.get("status")
    skip = case.find("skipped")
    if status == "run" and case.find("failure") is None and case.find("error") is None:
        passed += 1
    elif status == "disabled" or (skip is not None and skip.get("message", "").startswith("SKIP_")):
        # Skipped by the test itself (SKIP_RETURN_CODE, SKIP_REGULAR_EXPRESSION)
        # or disabled; a test that could not start ("Unable to find
        # executable", a failed fixture) is "notrun" too, but failed.
        skipped += 1
    else:
        failed.append(case.get("name"))
print(passed, len(failed), skipped)
for name in failed:
    print(name)
PY
}

# Runs a check script that reports one line "RESULT passed|failed NAME: ..."
# per entry; each such line counts as one test.
run_script() {
  local label=$1
  shift
  local t0=$SECONDS
  local log=build/$label-summary.log
  echo
  echo "==== $label ===="
  mkdir -p build
  "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local n_passed n_failed
  n_passed=$(grep -c '^RESULT passed ' "$log")
  n_failed=$(grep -c '^RESULT failed ' "$log")
  passed=$((passed + n_passed))
  failed=$((failed + n_failed))
  if ((n_passed + n_failed == 0)); then
    summaries+=("[$label] nothing ran")
    trouble=1
    return
  fi
  if ((rc != 0 && n_failed == 0)); then
    summaries+=("[$label] exit $rc with no failed entry")
    trouble=1
  fi
  summaries+=("[$label] $n_passed passed, $n_failed failed")
  local line
  while IFS= read -r line; do
    summaries+=("[$label] $line")
  done < <(sed -n 's/^RESULT //p' "$log")
  summaries+=("[$label] took $((SECONDS - t0)) s")
}

xvfb_pid=
cupsd_pid=
wine_used=0
# Ends the test prefix's wineserver, which was made persistent (it writes
# its registry as it goes).
stop_wine() {
  if ((wine_used)); then
    wineserver -k 2>/dev/null
    timeout 20 wineserver -w 2>/dev/null
    wine_used=0
  fi
}

cleanup() {
  stop_wine
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts a private X server on a free display; sets DISPLAY.
start_xvfb() {
  local fdfile=$root/build/xvfb.display
  mkdir -p "$root/build"
  : >"$fdfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do
    if [[ -s $fdfile ]]; then
      export DISPLAY=:$(tr -d '\n' <"$fdfile")
      echo "test: Xvfb on display $DISPLAY"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "test: Xvfb did not start" >&2
  return 1
}

# The Windows program prints for real to the cups-pdf queue "PDF", which the
# test prefix takes as its default printer (the machine's own default stays as
# it is); its GUI tests read the PDFs back, and with the queue in place they
# must run (ZBL_REQUIRE_PRINTER=1) rather than skip. Starts cupsd when it is
# not running (stopped again at exit) and adds the queue when missing.
pdf_queue=PDF
start_pdf_printer() {
  local as_root=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "test: no root for cupsd; printing tests may skip" >&2; return 1; }
    as_root=(sudo)
  fi
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    "${as_root[@]}" /usr/sbin/cupsd -f &
    cupsd_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
      lpstat -r 2>/dev/null | grep -q 'is running' && break
      sleep 0.1
    done
  fi
  if ! lpstat -v "$pdf_queue" >/dev/null 2>&1; then
    "${as_root[@]}" lpadmin -p "$pdf_queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  fi
  if lpstat -v "$pdf_queue" 2>/dev/null | grep -q 'cups-pdf:'; then
    # Wine takes the CUPS default each time it loads its printers; LPDEST
    # makes that the queue for this run's processes only.
    export LPDEST=$pdf_queue
    export ZBL_REQUIRE_PRINTER=1
    echo "test: printing to the cups-pdf queue $pdf_queue"
    return 0
  fi
  echo "test: no cups-pdf queue $pdf_queue; printing tests may skip" >&2
  return 1
}

# A fresh prefix each run, so no state leaks from one run into the next;
# created here so the first test does not pay (and time out on) its creation.
init_wine_prefix() {
  export ZBL_WINEPREFIX=$root/build/wineprefix
  export WINEPREFIX=$ZBL_WINEPREFIX
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  local t0=$SECONDS
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wine_used=1
  # Without the 32-bit loader wineboot complains about syswow64; the 64-bit
  # prefix it creates is complete all the same.
  wineboot -i >/dev/null 2>&1
  # The tests' windows are not handed to a window manager: Xvfb has none, and
  # Wine would wait two seconds for one each time a window is hidden.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # The prefix's default printer: Wine lists each CUPS queue as a printer of
  # the same name on the port "CUPS:<queue>".
  if [[ -n ${LPDEST:-} ]]; then
    wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /t REG_SZ \
      /d "$LPDEST,wineps.drv,CUPS:$LPDEST" /f >/dev/null 2>&1
  fi
  timeout 60 wineserver -w
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "test: Wine prefix was not created" >&2
    return 1
  fi
  # One wineserver for the whole run. Left to itself it ends three seconds
  # after its last process, and a test started just as it ends can fail to
  # connect; the build's test listing and the tests leave such gaps.
  if ! wineserver -p >/dev/null 2>&1; then
    echo "test: no persistent wineserver; each test starts its own" >&2
  fi
  echo "test: Wine prefix ready in $((SECONDS - t0)) s"
}

# The Windows build and its tests under Wine, with a display and a printer.
run_window() {
  # The console tests need no display, but the window's tests do.
  if [[ -z ${DISPLAY:-} ]] && ! start_xvfb; then
    summaries+=("[mingw] no display")
    trouble=1
  fi
  # The queue is in place before Wine first starts.
  start_pdf_printer
  if ! init_wine_prefix; then
    summaries+=("[mingw] no Wine prefix")
    trouble=1
  else
    run_preset mingw -DZBL_WERROR=ON
  fi
  stop_wine
}

if ! bash scripts/setup.sh; then
  summaries+=("setup failed")
  trouble=1
  finish
fi

case $part in
  all)
    run_preset debug -DZBL_WERROR=ON
    run_window
    run_preset release -DZBL_WERROR=ON
    run_script valgrind bash scripts/valgrind-cli.sh build/release/cli/zentrabel-cli
    run_script fuzz bash scripts/fuzz.sh "${ZBL_FUZZ_SECONDS:-60}"
    run_script format bash scripts/check-format.sh
    ;;
  engine | debug) run_preset debug -DZBL_WERROR=ON ;;
  window | mingw) run_window ;;
  release) run_preset release -DZBL_WERROR=ON ;;
  # Builds the release console calculator when it is missing, nothing else.
  valgrind) run_script valgrind bash scripts/valgrind-cli.sh ;;
  fuzz) run_script fuzz bash scripts/fuzz.sh "${ZBL_FUZZ_SECONDS:-60}" ;;
  format) run_script format bash scripts/check-format.sh ;;
esac

finish
