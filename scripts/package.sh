#!/usr/bin/env bash
# Builds the game in Release with Debian's hardening flags and packs it as a
# Debian package: build/package/plimb-zappets_<version>-1_<arch>.deb.
# Extra arguments go to the first cmake call (e.g. -DPZ_PACKAGE_CONTACT=...).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --package
flags() { dpkg-buildflags --get "$1"; }
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DPZ_TESTS=OFF -DPZ_BENCHMARKS=OFF \
  "-DCMAKE_C_FLAGS=$(flags CFLAGS) $(flags CPPFLAGS)" "-DCMAKE_CXX_FLAGS=$(flags CXXFLAGS) $(flags CPPFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(flags LDFLAGS)" "$@" >/dev/null
cmake --build build/package -j"$(nproc)"
cd build/package
cpack -G DEB
