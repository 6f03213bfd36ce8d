#!/usr/bin/env bash
# Makes the README's pictures of the form pages again: each page drawn from
# a scenario of tests/scenarios/ under a virtual X server (Xvfb).
#   scripts/screenshot-form-pages.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

cmake --build "$BUILD" --target formshot provinces --parallel "${QUILLMERE_JOBS:-$(nproc)}"

SCENARIO="$ROOT/tests/scenarios/donations_on.json"
shot() {   # shot <form|slip> <type> <page title> <png>
  xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    "$BUILD/bin/formshot" "$SCENARIO" "$1" "$2" "$3" "$ROOT/docs/$4"
  echo "docs/$4"
}

mkdir -p "$ROOT/docs"
shot form 1 "Step 2 - Total income" form-t1-total-income.png
shot slip 1 "T4 Statement of Remuneration Paid" form-t4.png
shot form 9 "Schedule 9" form-schedule9.png
shot form 24 "Part B - Non-refundable tax credits" form-on428.png
