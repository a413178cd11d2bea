#!/usr/bin/env bash
# Runs every fuzz target found in a fuzz build folder.
# Usage: tests/fuzz/run.sh BUILD_DIR [--corpus-only | --seconds N]
#   --corpus-only  replays the seed corpus once (what CI does)
#   --seconds N    fuzzes each target for N seconds (default 60)
set -euo pipefail
build=$1; shift
mode=${1:---seconds}; seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
for target in "$build"/tests/fuzz/fuzz_*; do
  [[ -x "$target" ]] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  corpus="$here/corpus/$name"
  mkdir -p "$build/corpus/$name"
  if [[ "$mode" == "--corpus-only" ]]; then
    echo "fuzz_$name: seed corpus"
    "$target" -runs=0 "$corpus" >/dev/null 2>&1 || { "$target" -runs=0 "$corpus"; exit 1; }
  else
    echo "fuzz_$name: $seconds s"
    "$target" -max_total_time="$seconds" -max_len=65536 "$build/corpus/$name" "$corpus"
  fi
done
