#!/usr/bin/env bash
# Makes docs/netfile-transmission.png and docs/netfile-result.png: the
# transmission dialog over the single employee's return and the result of an
# accepted return, drawn under a virtual X server (Xvfb) in a throw-away
# home folder.
#   scripts/screenshot-filing.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

command -v xvfb-run > /dev/null || { echo "missing xvfb-run (Debian: xvfb)" >&2; exit 1; }
cmake --build "$BUILD" --target filingshot provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

HOME_DIR="$(mktemp -d)"
trap 'rm -rf "$HOME_DIR"' EXIT

mkdir -p "$ROOT/docs"
HOME="$HOME_DIR" TMPDIR="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" \
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  "$BUILD/bin/filingshot" "$ROOT/tests/scenarios/employee_t4_on.json" \
  "$ROOT/docs/netfile-transmission.png" "$ROOT/docs/netfile-result.png"
echo "docs/netfile-transmission.png docs/netfile-result.png"
