#!/usr/bin/env bash
# Times `zentrabel-cli --batch` against `bc -l` over the same plain arithmetic
# lines, whole process each (start-up, reading, calculating, writing), and
# beside them the engine alone over the same lines in-process
# (bench/engine_lines), on two corpora:
#   arith  3 to 7 numbers a line, up to two bracket pairs
#   short  2 to 6 numbers a line, at most one bracket pair
#
#   bash scripts/bench-vs-bc.sh [LINES] [RUNS]     defaults: 200000 lines, 5 runs
#
# The runs of the three programs are interleaved, and each figure is the
# median of its runs. The lines are the same on every run and machine:
# numbers 1-999 with up to two decimals, the operators + - * / and brackets,
# nothing else, so that both programs read them alike. No bracket follows a
# "/", so no line divides by zero.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
lines=${1:-200000}
runs=${2:-5}
cli=$root/build/release/cli/zentrabel-cli
engine=$root/build/release/bench/engine_lines
work=$root/build/bench-vs-bc

command -v bc >/dev/null || { echo "bench-vs-bc: bc is missing; run scripts/setup.sh" >&2; exit 1; }

cmake --preset release >/dev/null
cmake --build --preset release -j "${ZBL_JOBS:-2}" --target zentrabel-cli engine_lines >/dev/null
mkdir -p "$work"

# make_corpus FILE MIN_NUMBERS SPREAD MAX_PAIRS
make_corpus() {
  # Park-Miller generator: exact in the doubles of every awk.
awk -v n="$lines" -v least="$2" -v spread="$3" -v pairs="$4" '
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
      count = least + pick(spread)
      for (i = 1; i <= count; i++) { opening[i] = ""; closing[i] = "" }
      # One bracket pair over 2 or more numbers, sometimes a second inside it.
      if (pick(5) != 0) {
        a = 1 + pick(count - 1); b = a + 1 + pick(count - a)
        opening[a] = opening[a] "("; closing[b] = closing[b] ")"
        if (pairs > 1 && b - a >= 2 && pick(2) == 0) {
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
  }' >"$1"
}


# Wall time of one run of the command given over a corpus, in seconds.
wall_time() {
  local corpus=$1
  shift
  { TIMEFORMAT=%R; time "$@" <"$corpus" >"$work/out.txt" 2>"$work/err.txt"; } 2>&1
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for name in arith short; do
  corpus=$work/$name-$lines.txt
  if [[ $name == arith ]]; then make_corpus "$corpus" 3 5 2; else make_corpus "$corpus" 2 5 1; fi
  echo "corpus $name: $lines lines ($(wc -c <"$corpus") bytes), e.g. $(head -n 1 "$corpus")"

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

  ours=() theirs=() inside=()
  for ((i = 0; i < runs; i++)); do
    ours+=("$(wall_time "$corpus" "$cli" --batch)")
    theirs+=("$(wall_time "$corpus" bc -l)")
    inside+=("$("$engine" "$corpus" 1 | awk '{ print $1 }')")
  done
  ours_median=$(printf '%s\n' "${ours[@]}" | median)
  theirs_median=$(printf '%s\n' "${theirs[@]}" | median)
  inside_median=$(printf '%s\n' "${inside[@]}" | median)

  awk -v n="$lines" -v ours="$ours_median" -v theirs="$theirs_median" -v inside="$inside_median" -v runs="$runs" 'BEGIN {
    rate = ours > 0 ? n / ours : 0
    printf "  zentrabel-cli --batch   %7.3f s  %10.0f lines/s\n", ours, rate
    printf "  bc -l                   %7.3f s  %10.0f lines/s\n", theirs, (theirs > 0 ? n / theirs : 0)
    printf "  engine in-process                  %10.0f lines/s\n", inside
    printf "  bc / zentrabel          %7.2f  (times as fast as bc)\n", (ours > 0 ? theirs / ours : 0)
    printf "  in-process / batch      %7.2f  (medians of %d interleaved runs)\n", (rate > 0 ? inside / rate : 0), runs
  }'
done
