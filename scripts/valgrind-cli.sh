#!/usr/bin/env bash
# Runs the console calculator under valgrind's memcheck over the task corpus:
# tests/corpus/*.txt and the task-sequence fuzz seeds, one input stream, in
# each of the three stream modes (--batch, --trace, and the piped
# interactive mode).
#   bash scripts/valgrind-cli.sh [CLI]
# CLI defaults to the release build's zentrabel-cli, built when missing (a
# sanitizer build cannot run under valgrind). Any memcheck error, definite or
# indirect leak, or crash fails the mode; --batch must also give exactly one
# answer line per input line.
#
# Prints one line per mode
#   RESULT passed|failed valgrind-cli <mode>: <details>
# then "valgrind: N passed, M failed", and exits non-zero when any mode failed.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${ZBL_JOBS:-2}
cli=${1:-build/release/cli/zentrabel-cli}

if ! command -v valgrind >/dev/null; then
  echo "RESULT failed valgrind-cli: valgrind is not installed (scripts/setup.sh installs it)"
  echo "valgrind: 0 passed, 1 failed"
  exit 1
fi
if [[ $# -eq 0 && ! -x $cli ]]; then
  { [[ -f build/release/build.ninja ]] || cmake --preset release; } &&
    cmake --build --preset release -j "$jobs" --target zentrabel-cli
fi
if [[ ! -x $cli ]]; then
  echo "RESULT failed valgrind-cli: no executable $cli"
  echo "valgrind: 0 passed, 1 failed"
  exit 1
fi

work=build/valgrind
mkdir -p "$work"
input=$work/corpus.txt
: >"$input"
for f in tests/corpus/*.txt fuzz/corpus/task_sequence/*; do
  [[ -f $f ]] || continue
  cat "$f" >>"$input"
  # A file without a final LF would otherwise run into the next one.
  [[ -z $(tail -c 1 "$f") ]] || echo >>"$input"
done
lines=$(wc -l <"$input")
echo "valgrind: $lines lines from $(ls tests/corpus/*.txt fuzz/corpus/task_sequence/* 2>/dev/null | wc -l) files"

passed=0
failed=0
for mode in --batch --trace ""; do
  name="valgrind-cli ${mode:-(interactive)}"
  log=$work/memcheck${mode:-interactive}.log
  out=$work/out${mode:-interactive}.txt
  # --seed: the random functions give the same answers every run.
  valgrind -q --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --track-origins=yes --log-file="$log" \
    "$cli" --seed 1 $mode <"$input" >"$out"
  rc=$?
  problem=
  if [[ -s $log ]]; then
    problem="memcheck errors, exit $rc"
  elif ((rc != 0)); then
    problem="exit $rc"
  elif [[ $mode == --batch ]] && (($(wc -l <"$out") != lines)); then
    problem="$(wc -l <"$out") answer lines for $lines input lines"
  fi
  if [[ -z $problem ]]; then
    passed=$((passed + 1))
    echo "RESULT passed $name: $lines lines, no memcheck errors"
  else
    failed=$((failed + 1))
    head -n 60 "$log"
    echo "RESULT failed $name: $problem (log $log)"
  fi
done

echo "valgrind: $passed passed, $failed failed"
((failed == 0))
