#!/usr/bin/env bash
# The one test command: installs what is missing, then builds and runs every
# test in three configurations:
#   debug    native, AddressSanitizer + UndefinedBehaviorSanitizer, -Werror
#   mingw    Windows executables, -Werror, run under Wine in a fresh prefix;
#            the window's scaling tests again in a copy of it at 144 DPI
#   release  native, optimised, -Werror (also builds the benchmarks)
# and then two checks that count one entry each per line they report:
#   valgrind the release zentrabel-cli under memcheck over the task corpus,
#            one entry per stream mode (scripts/valgrind-cli.sh)
#   fuzz     every fuzz target for ZBL_FUZZ_SECONDS (default 60) each, one
#            entry per target (scripts/fuzz.sh)
# Ends with each summary and one line "N passed, M failed" over all runs;
# exits non-zero when a build or a test failed or no test ran.
#
# ZBL_JOBS sets build and test parallelism (default 2).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${ZBL_JOBS:-2}
test_timeout=300

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
  ctest --preset "$preset" -j "$jobs" --timeout "$test_timeout" 2>&1 | tee "$log"
  local summary total_time
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  total_time=$(grep -E '^Total Test time' "$log" | tail -n 1)
  if [[ -z $summary ]]; then
    summaries+=("[$preset] no tests ran")
    trouble=1
    return
  fi
  local n_failed n_total
  n_failed=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$summary")
  n_total=$(sed -E 's/.*failed out of ([0-9]+).*/\1/' <<<"$summary")
  passed=$((passed + n_total - n_failed))
  failed=$((failed + n_failed))
  ((n_total > 0)) || trouble=1
  summaries+=("[$preset] $summary" "[$preset] $total_time")
  local name
  while IFS= read -r name; do
    summaries+=("[$preset] FAILED: $name")
  done < <(awk '/^The following tests FAILED:/ { on = 1; next } on && /^[ \t]/ { sub(/^[ \t]+/, ""); print; next } { on = 0 }' "$log")
  summaries+=("[$preset] took $((SECONDS - t0)) s")
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
cleanup() {
  if ((wine_used)); then
    # Let the prefix's wineserver write its registry, then make sure it is gone.
    timeout 20 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null
  fi
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

# The Windows program prints for real to a cups-pdf queue, the default
# printer, and its GUI tests read the PDFs back; with the queue in place they
# must run (ZBL_REQUIRE_PRINTER=1) rather than skip. Starts cupsd when it is
# not running (stopped again at exit) and adds the queue "PDF" when missing.
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
  if ! lpstat -v PDF >/dev/null 2>&1; then
    "${as_root[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  fi
  if ! lpstat -d 2>/dev/null | grep -q '^system default destination:'; then
    "${as_root[@]}" lpadmin -d PDF
  fi
  local default
  default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
  if [[ -n $default ]] && lpstat -v "$default" 2>/dev/null | grep -q 'cups-pdf:'; then
    export ZBL_REQUIRE_PRINTER=1
    echo "test: printing to the cups-pdf queue $default"
    return 0
  fi
  echo "test: no cups-pdf default printer; printing tests may skip" >&2
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
  timeout 60 wineserver -w
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "test: Wine prefix was not created" >&2
    return 1
  fi
  echo "test: Wine prefix ready in $((SECONDS - t0)) s"
}

if ! bash scripts/setup.sh; then
  summaries+=("setup failed")
  trouble=1
  finish
fi

run_preset debug -DZBL_WERROR=ON

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

run_preset release -DZBL_WERROR=ON

run_script valgrind bash scripts/valgrind-cli.sh build/release/cli/zentrabel-cli
run_script fuzz bash scripts/fuzz.sh "${ZBL_FUZZ_SECONDS:-60}"

finish
