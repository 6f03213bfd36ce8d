#!/usr/bin/env bash
# Makes docs/new-return-interview.png: the first page of the new-return
# interview over the main window, drawn under a virtual X server (Xvfb) in
# a throw-away home folder.
#   scripts/screenshot-interview.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target interviewshot provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT
mkdir -p "$ROOT/docs"
HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$BUILD/bin/interviewshot" "$ROOT/docs/new-return-interview.png"
echo "docs/new-return-interview.png"
