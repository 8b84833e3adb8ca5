#!/usr/bin/env bash
# Checks that the C and C++ sources are laid out as .clang-format says,
# without changing them:
#   bash scripts/check-format.sh [FILE...]
# With no FILE it checks every tracked *.cpp, *.h and *.c file (or, outside
# a git clone, every such file under the source folders). Lists each file
# that formatting would change, with the number of places, then prints one line
#   RESULT passed|failed format: <details>
# and exits non-zero when any file is not formatted or clang-format is
# missing. `clang-format -i FILE` formats a file in place.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
folders=(bench cli engine fuzz io resources tests ui)

format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "RESULT failed format: $format is not installed (scripts/setup.sh installs it)"
  exit 1
fi

if (($# > 0)); then
  files=("$@")
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- "${folders[@]/%//*.cpp}" "${folders[@]/%//*.h}" "${folders[@]/%//*.c}")
else
  mapfile -t files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
fi
if ((${#files[@]} == 0)); then
  echo "RESULT failed format: no source files found"
  exit 1
fi

unformatted=0
lines=0
for file in "${files[@]}"; do
  # Each place the formatter would change is reported as one warning.
  changed=$("$format" --style=file --dry-run "$file" 2>&1 | grep -c 'warning: code should be clang-formatted')
  if ((changed > 0)); then
    echo "format: $file: $changed places"
    unformatted=$((unformatted + 1))
    lines=$((lines + changed))
  fi
done

if ((unformatted == 0)); then
  echo "RESULT passed format: ${#files[@]} files as .clang-format lays them out"
  exit 0
fi
echo "RESULT failed format: $unformatted of ${#files[@]} files not formatted ($lines places); clang-format -i formats them"
exit 1
