#!/usr/bin/env bash
# Makes the pictures of the retired couple's return, drawn under a virtual X
# server (Xvfb) in a throw-away home folder:
#   docs/editor-coupled-t1.png        the main window open on the taxpayer's T1
#   docs/optimize-retired-couple.png  the optimise dialog, its shareable amounts as seeded
#   scripts/screenshot-editor.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target editorshot optimizeshot scenario2r21 provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT
RETURN="$HOME_DIR/retired_couple.r21"
"$BUILD/bin/scenario2r21" "$ROOT/tests/scenarios/retired_couple_pension_split_on.json" "$RETURN"

mkdir -p "$ROOT/docs"
for shot in "editorshot editor-coupled-t1.png" "optimizeshot optimize-retired-couple.png"; do
  set -- $shot
  HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
    xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    "$BUILD/bin/$1" "$RETURN" "$ROOT/docs/$2"
  echo "docs/$2"
done
