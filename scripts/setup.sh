#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping what is already
# installed. Runs as root (CI) or through sudo; never asks a question.
#
#   bash scripts/setup.sh            install what is missing
#   bash scripts/setup.sh --dry-run  only list what would be installed
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)

# Native build and tests.
packages=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev bc python3)
# Line editing and history in the console calculator's interactive mode
# (without it, lines are read plainly).
packages+=(libedit-dev)
# Cross build of the Windows executables and running them under Wine.
packages+=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64)
# The Windows installer and the portable zip (the mingw build's dist target),
# and the check of the Linux desktop entry.
packages+=(nsis zip unzip desktop-file-utils)
# Fuzzing (clang with libFuzzer and the sanitizer runtimes) and memcheck runs.
packages+=(clang libclang-rt-14-dev valgrind)
# The layout check of the sources (scripts/check-format.sh).
packages+=(clang-format)
# A display for the Windows program when none is given.
packages+=(xvfb xauth)
# Real printing from the Windows program: a CUPS queue that writes PDF files,
# and the tools that read them back.
packages+=(cups printer-driver-cups-pdf poppler-utils)
# Screenshots and real key strokes, needed once the window has UI tests.
if [[ -f $here/ui/CMakeLists.txt ]]; then
  packages+=(x11-apps imagemagick xdotool)
fi

dry_run=0
case "${1:-}" in
  --dry-run) dry_run=1 ;;
  "") ;;
  *) echo "usage: $0 [--dry-run]" >&2; exit 2 ;;
esac

is_installed() {
  [[ $(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null) == installed ]]
}

missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#packages[@]} packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if ((dry_run)); then
  exit 0
fi

if ((EUID == 0)); then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null; then
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  echo "setup: not root and no sudo; install as root: ${missing[*]}" >&2
  exit 1
fi

# A fresh machine may still be running its own unattended upgrade: wait for
# the package lock instead of failing on it.
apt=(apt-get -q -o DPkg::Lock::Timeout=600)
"${as_root[@]}" "${apt[@]}" update
"${as_root[@]}" "${apt[@]}" install -y "${missing[@]}"

# apt-get can succeed while a name resolved to something else; check again.
still=()
for p in "${missing[@]}"; do
  is_installed "$p" || still+=("$p")
done
if ((${#still[@]})); then
  echo "setup: still missing after install: ${still[*]}" >&2
  exit 1
fi
