#!/usr/bin/env bash
# Set up, build and start the program.
#   scripts/run.sh                               the desktop application
#   scripts/run.sh printresult <folder> <list>   the batch result report
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
# Quiet when the build succeeds; its output when it does not.
build_log="$(mktemp)"
if ! build_tree "$ROOT/build" >"$build_log" 2>&1; then
  cat "$build_log" >&2
  rm -f "$build_log"
  echo "The build failed." >&2
  exit 1
fi
rm -f "$build_log"

if [ "${1:-}" != "printresult" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start the program under a virtual display with:" >&2
  echo "  xvfb-run scripts/run.sh" >&2
  exit 1
fi

exec "$ROOT/build/bin/quillmere" "$@"
