#!/usr/bin/env bash
# Makes docs/validation-result.png: the validation result dialog on the retired
# couple's return with both S.I.N.s removed and line 17900 of Schedule 3
# answered without its Form T2091(IND) (a message across forms, from the rule
# engine), one tab per person, drawn under a virtual X server (Xvfb) in a
# throw-away home folder. The tool takes a single return as well.
#   scripts/screenshot-validation.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target validationshot provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT

mkdir -p "$ROOT/docs"
HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$BUILD/bin/validationshot" "$ROOT/tests/scenarios/retired_couple_pension_split_on.json" \
  "$ROOT/docs/validation-result.png"
echo "docs/validation-result.png"
