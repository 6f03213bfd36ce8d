#!/usr/bin/env bash
# Set up, build and start the program.
#   scripts/run.sh                               the desktop application
#   scripts/run.sh printresult <folder> <list>   the batch result report
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
build_tree "$ROOT/build" >/dev/null

if [ "${1:-}" != "printresult" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start the program under a virtual display with:" >&2
  echo "  xvfb-run scripts/run.sh" >&2
  exit 1
fi

exec "$ROOT/build/bin/quillmere" "$@"
