#!/usr/bin/env bash
# Shared by run.sh and test.sh: install the Debian packages the build needs
# (only the missing ones, so a warm machine starts building at once) and
# configure + build one build folder with every core.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite libqt5svg5-dev
  libtinyxml-dev openjdk-17-jdk-headless libpdfbox2-java fonts-dejavu-core
  libbenchmark-dev xvfb xauth locales openssl libxml2-utils
  jasmin-sable poppler-utils libzxing-core-java
)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The fuzz build's compiler and its runtime (libFuzzer, the sanitizers).
# Not in PACKAGES: a machine without them still builds and tests; the fuzz
# run then skips.
FUZZ_PACKAGES=(clang libclang-rt-dev)

install_fuzz_packages() {
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing the fuzz build's packages: ${FUZZ_PACKAGES[*]}"
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${FUZZ_PACKAGES[@]}"
}

# build_tree <folder> [extra cmake args...]
build_tree() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" --parallel "${QUILLMERE_JOBS:-$(nproc)}"
}
