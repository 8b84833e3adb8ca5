#!/usr/bin/env bash
# Times `zentrabel-cli --batch` against `bc -l` over the same plain arithmetic
# lines, whole process each (start-up, reading, calculating, writing).
#
#   bash scripts/bench-vs-bc.sh [LINES] [RUNS]     defaults: 200000 lines, best of 3
#
# The lines are the same on every run and machine: numbers 1-999 with up to
# two decimals, the operators + - * / and brackets, 3 to 7 numbers a line,
# nothing else, so that both programs read them alike. No bracket follows a
# "/", so no line divides by zero.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lines=${1:-200000}
runs=${2:-3}
cli=$root/build/release/cli/zentrabel-cli
work=$root/build/bench-vs-bc
corpus=$work/arith-$lines.txt

command -v bc >/dev/null || { echo "bench-vs-bc: bc is missing; run scripts/setup.sh" >&2; exit 1; }

cmake --preset release >/dev/null
cmake --build --preset release -j "${ZBL_JOBS:-2}" --target zentrabel-cli >/dev/null
mkdir -p "$work"

# Park-Miller generator: exact in the doubles of every awk.
awk -v n="$lines" '
  function next_random() { seed = (seed * 16807) % 2147483647; return seed }
  function pick(k) { return next_random() % k }
  function number(   v) {
    v = 1 + pick(999)
    if (pick(3) == 0) v = v "." (1 + pick(99))
    return v
  }
  BEGIN {
    seed = 20240607
    split("+ - * /", ops, " ")
    for (line = 0; line < n; line++) {
      count = 3 + pick(5)
      for (i = 1; i <= count; i++) { opening[i] = ""; closing[i] = "" }
      # One bracket pair over 2 or more numbers, sometimes a second inside it.
      if (pick(5) != 0) {
        a = 1 + pick(count - 1); b = a + 1 + pick(count - a)
        opening[a] = opening[a] "("; closing[b] = closing[b] ")"
        if (b - a >= 2 && pick(2) == 0) {
          c = a + pick(b - a); d = c + 1 + pick(b - c)
          if (d - c < b - a) { opening[c] = opening[c] "("; closing[d] = closing[d] ")" }
        }
      }
      text = ""
      for (i = 1; i <= count; i++) {
        if (i > 1) {
          op = ops[1 + pick(4)]
          if (op == "/" && opening[i] != "") op = "*"
          text = text op
        }
        text = text opening[i] number() closing[i]
      }
      print text
    }
  }' >"$corpus"

# Prints the best wall time of `runs` runs of the command given, in seconds.
best_time() {
  local best= t i
  for ((i = 0; i < runs; i++)); do
    t=$( { TIMEFORMAT=%R; time "$@" <"$corpus" >"$work/out.txt" 2>"$work/err.txt"; } 2>&1 )
    if [[ -z $best ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$t
    fi
  done
  echo "$best"
}

echo "corpus: $lines lines ($(wc -c <"$corpus") bytes), e.g. $(head -n 1 "$corpus")"

if ! "$cli" --batch <"$corpus" >"$work/out.txt" 2>"$work/err.txt"; then
  echo "bench-vs-bc: zentrabel-cli --batch failed:" >&2
  head -n 5 "$work/err.txt" >&2
  exit 1
fi
got=$(wc -l <"$work/out.txt")
if ((got != lines)); then
  echo "bench-vs-bc: zentrabel-cli --batch printed $got lines for $lines" >&2
  exit 1
fi

ours=$(best_time "$cli" --batch)
theirs=$(best_time bc -l)

awk -v n="$lines" -v ours="$ours" -v theirs="$theirs" -v runs="$runs" 'BEGIN {
  printf "zentrabel-cli --batch  %7.3f s  %10.0f lines/s\n", ours, (ours > 0 ? n / ours : 0)
  printf "bc -l                  %7.3f s  %10.0f lines/s\n", theirs, (theirs > 0 ? n / theirs : 0)
  printf "ratio (bc / zentrabel) %7.2f  (best of %d runs each)\n", (ours > 0 ? theirs / ours : 0), runs
}'
