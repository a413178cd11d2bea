#!/usr/bin/env bash
# Builds Plimb Zappets in Release with its game data and starts it.
# Extra arguments are passed to the game; without any, the game starts at its
# title screen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPZ_TESTS=OFF -DPZ_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/plimb-zappets "$@"
