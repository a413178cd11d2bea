#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are installed: installs them
# when run as root, otherwise prints the exact command and fails.
# Usage: scripts/deps.sh [--tests | --package]
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libpng-dev libjpeg62-turbo-dev zlib1g-dev
  libogg-dev libvorbis-dev libfreetype-dev librsvg2-dev
  fonts-dejavu-core fonts-liberation2
)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev clang xvfb xauth)
  # The install test's checkers.
  packages+=(lintian appstream desktop-file-utils man-db)
fi
# Packing the .deb: dpkg-shlibdeps finds its dependencies, `file` its binaries.
if [[ "${1:-}" == "--tests" || "${1:-}" == "--package" ]]; then
  packages+=(dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages. Run this, then start again:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
