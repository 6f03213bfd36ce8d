#!/usr/bin/env bash
# Makes docs/download-records.png and docs/autofill-options.png: the list of
# stored auto-fill records with one selected, and the auto-fill options page
# with some elements ticked, drawn under a virtual X server (Xvfb) in a
# throw-away home folder.
#   scripts/screenshot-download.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target tddshot --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT

mkdir -p "$ROOT/docs"
HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$BUILD/bin/tddshot" "$ROOT/docs/download-records.png" "$ROOT/docs/autofill-options.png"
echo "docs/download-records.png docs/autofill-options.png"
