#!/usr/bin/env bash
# Makes the README's pictures of printed pages again: a client copy's T1
# page and a condensed print's barcode page, printed by the report maker
# from scenarios of tests/reportmaker/returns/ and drawn with pdftoppm.
#   scripts/screenshot-print.sh [build folder]   (default: ./build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"

cmake --build "$BUILD" --target printshot --parallel "${QUILLMERE_JOBS:-$(nproc)}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
page() {   # page <scenario> <client|condensed> <page number> <png>
  local pdf
  pdf="$(env LC_ALL=C.UTF-8 "$BUILD/bin/printshot" "$ROOT/tests/reportmaker/returns/$1.json" "$2" "$WORK/$2")"
  pdftoppm -f "$3" -l "$3" -r 100 -png -singlefile "$pdf" "$WORK/page"
  mv "$WORK/page.png" "$ROOT/docs/$4"
  echo "docs/$4"
}

mkdir -p "$ROOT/docs"
page single_clean client 1 printed-t1-page.png
page business_two_jurisdictions condensed 1 condensed-barcode-page.png
