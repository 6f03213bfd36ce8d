#!/usr/bin/env bash
# Makes docs/editor-coupled-t1.png: the main window with the retired couple's
# return open on the taxpayer's T1, drawn under a virtual X server (Xvfb) in
# a throw-away home folder.
#   scripts/screenshot-editor.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target editorshot scenario2r21 provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT
RETURN="$HOME_DIR/retired_couple.r21"
"$BUILD/bin/scenario2r21" "$ROOT/tests/scenarios/retired_couple_pension_split_on.json" "$RETURN"

mkdir -p "$ROOT/docs"
HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$BUILD/bin/editorshot" "$RETURN" "$ROOT/docs/editor-coupled-t1.png"
echo "docs/editor-coupled-t1.png"
