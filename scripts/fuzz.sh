#!/usr/bin/env bash
# Builds the `fuzz` preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every fuzz target in turn for SECONDS
# (default 60) of wall time:
#   bash scripts/fuzz.sh [SECONDS]
# Each target starts from its seeds in fuzz/corpus/<name>/ and from what
# earlier runs found (build/fuzz/corpus/<name>/, the only corpus it writes).
# A crash, leak, hang (10 s per input), sanitizer report or broken invariant
# fails the target; the input that did it is kept in build/fuzz/artifacts/<name>/.
#
# Prints, per target, one line
#   RESULT passed|failed <name>: <executions> execs, cov <edges>, ft <features>, corpus <n>
# then "fuzz: N passed, M failed", and exits non-zero when any target failed
# or none could be built. ZBL_JOBS sets build parallelism (default 2).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
jobs=${ZBL_JOBS:-2}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

build=build/fuzz
list=$build/fuzz/fuzz-targets.txt

if ! cmake --preset fuzz; then
  echo "RESULT failed fuzz-configure: the fuzz preset did not configure"
  echo "fuzz: 0 passed, 1 failed"
  exit 1
fi
mapfile -t targets < <(grep -v '^[[:space:]]*$' "$list" 2>/dev/null)
if ((${#targets[@]} == 0)); then
  echo "RESULT failed fuzz-configure: no fuzz targets listed in $list"
  echo "fuzz: 0 passed, 1 failed"
  exit 1
fi
if ! cmake --build --preset fuzz -j "$jobs"; then
  for entry in "${targets[@]}"; do
    echo "RESULT failed ${entry%% *}: not built"
  done
  echo "fuzz: 0 passed, ${#targets[@]} failed"
  exit 1
fi

# Every string function call checked over its whole argument; undefined
# behaviour reported with its stack (it already stops the target).
export ASAN_OPTIONS=${ASAN_OPTIONS:-strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

passed=0
failed=0
for entry in "${targets[@]}"; do
  name=${entry%% *}
  dict=${entry#* }
  exe=$build/fuzz/$name
  work=$build/corpus/$name
  artifacts=$build/artifacts/$name
  log=$build/logs/$name.log
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"

  args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$artifacts/")
  [[ $dict != - && -f $dict ]] && args+=(-dict="$dict")
  echo
  echo "==== fuzz $name ($seconds s) ===="
  stamp=$build/logs/$name.started
  touch "$stamp"
  # libFuzzer stops itself after max_total_time; the outer limit only catches
  # a target that no longer answers at all.
  timeout --kill-after=30 $((seconds * 2 + 120)) \
    "$exe" "${args[@]}" "$work" "fuzz/corpus/$name" >"$log" 2>&1
  rc=$?

  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  status=$(grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE|INITED)[[:space:]]' "$log" | tail -n 1)
  cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$status")
  ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$status")
  corp=$(sed -nE 's/.* corp: ([0-9]+).*/\1/p' <<<"$status")
  figures="${execs:-?} execs, cov ${cov:-?}, ft ${ft:-?}, corpus ${corp:-?}"

  if ((rc == 0)); then
    passed=$((passed + 1))
    echo "RESULT passed $name: $figures"
  else
    failed=$((failed + 1))
    # The report of the failure: sanitizer or invariant message and stack.
    grep -n -m 1 -E '^==[0-9]+==|^==== invariant broken|^SUMMARY|ERROR: libFuzzer' "$log" |
      cut -d: -f1 | while read -r first; do sed -n "$((first > 5 ? first - 5 : 1)),$((first + 40))p" "$log"; done
    echo "inputs kept: $(find "$artifacts" -type f -newer "$stamp" | tr '\n' ' ')"
    echo "RESULT failed $name: exit $rc after $figures (log $log)"
  fi
done

echo
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
