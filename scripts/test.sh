#!/usr/bin/env bash
# Set up, build and run every test: once as a normal build, then once more
# under AddressSanitizer + UndefinedBehaviorSanitizer in a second build folder.
# Then the reply parsers are fuzzed for a short time (scripts/fuzz.sh).
# --no-sanitizers skips the second run and the fuzzing (quicker local
# iterations).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

sanitizers=1
[ "${1:-}" = "--no-sanitizers" ] && sanitizers=0

install_missing_packages

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
jobs="${QUILLMERE_JOBS:-$(nproc)}"

build_tree "$ROOT/build"
(cd "$ROOT/build" && ctest --output-on-failure -j "$jobs")

if [ "$sanitizers" -eq 1 ]; then
  build_tree "$ROOT/build-asan" -DQUILLMERE_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp"
  (cd "$ROOT/build-asan" && ctest --output-on-failure -j "$jobs")
  "$ROOT/scripts/fuzz.sh"
fi
