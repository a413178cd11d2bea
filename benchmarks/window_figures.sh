#!/usr/bin/env bash
# Plimb Zappets in a window on a desktop without a graphics card: starts Xvfb
# (Mesa's llvmpipe is all there is, so devices.xml sends the game to safe
# mode), runs the game and prints processor, memory and start-up figures.
#   benchmarks/window_figures.sh [BUILD_DIR]   (default: build/release, built like play.sh)
# Only this game is measured. The two genre peers' figures are quoted from the
# issue that set the goals; they were not measured here.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
seconds=${PZ_MEASURE_SECONDS:-10}   # length of each processor sample
settle=${PZ_SETTLE_SECONDS:-4}      # time the game gets before a sample

need() { command -v "$1" >/dev/null 2>&1; }
if ! need Xvfb; then
    if [ "$(id -u)" = 0 ]; then apt-get install -y xvfb >/dev/null; else sudo apt-get install -y xvfb >/dev/null; fi
fi
if [ ! -x "$build/plimb-zappets" ]; then
    scripts/deps.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPZ_TESTS=OFF -DPZ_BENCHMARKS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" >/dev/null
fi
game=$build/plimb-zappets
data=$build/data

display=:$((70 + RANDOM % 200))
Xvfb "$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
sleep 1

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of one core a process used over $seconds.
cpu() {
    local a b x y
    a=$(ticks "$1"); x=$(ticks "$xvfb")
    sleep "$seconds"
    b=$(ticks "$1"); y=$(ticks "$xvfb")
    local hz; hz=$(getconf CLK_TCK)
    awk -v g=$((b - a)) -v s=$((y - x)) -v t="$seconds" -v hz="$hz" \
        'BEGIN { printf "%.1f %.1f\n", 100 * g / (hz * t), 100 * s / (hz * t) }'
}
rss() { awk '/VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }
llvm() { if grep -qi llvm "/proc/$1/maps"; then echo yes; else echo no; fi; }
# A fresh user folder; $1 and $2 give the window's size (empty: the mode's own).
user() {
    local dir; dir=$(mktemp -d)
    if [ -n "${1:-}" ]; then printf 'Window::Width=%s\nWindow::Height=%s\n' "$1" "$2" > "$dir/config.cfg"; fi
    echo "$dir"
}
measure() {   # label, then the game's arguments after --user-dir
    local label=$1; shift
    "$game" --data "$data" --user-dir "$@" >/dev/null 2>&1 &
    local pid=$!
    started+=("$pid")
    sleep "$settle"
    read -r game_cpu server_cpu < <(cpu "$pid")
    printf '%-34s %7s %% %8s %% %6s MiB   %s\n' "$label" "$game_cpu" "$server_cpu" "$(rss "$pid")" "$(llvm "$pid")"
    kill "$pid"
}

echo "Plimb Zappets window figures, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores; $(uname -sr); Xvfb $display"
echo
printf '%-34s %9s %10s %10s   %s\n' "run (safe mode, Xvfb)" "game cpu" "Xvfb cpu" "resident" "libLLVM mapped"
measure "Blue, autoplay, 640x480" "$(user)" --level Blue --autoplay
measure "Blue, autoplay, 1280x960" "$(user 1280 960)" --level Blue --autoplay
script=$(mktemp)
echo "300 focus lost" > "$script"
measure "Blue, paused board" "$(user)" --level Blue --input "$script"
echo "10 press Play" > "$script"
measure "idle menu (profile dialog)" "$(user)" --input "$script"

first=()
for run in 1 2 3; do
    dir=$(user)
    out=$(python3 benchmarks/first_frame.py 10 "$game" --data "$data" --user-dir "$dir")
    first+=("$(echo "$out" | head -1)")
    started+=("$(echo "$out" | tail -1)")
    kill "$(echo "$out" | tail -1)" 2>/dev/null || true
    sleep 0.5
done
echo
echo "start to first frame with content: ${first[*]} s (three fresh starts, hardware test included)"

if [ -x "$build/benchmarks/bench_board" ]; then
    echo
    echo "frame drawn and presented, Blue with 300 balls, safe-mode window:"
    PZ_TEST_DATA=$data "$build/benchmarks/bench_board" --benchmark_filter=DrawBoard300InWindow 2>/dev/null |
        awk '/DrawBoard300InWindow/ { printf "  %-32s %s %s wall, %s %s processor\n", $1, $2, $3, $4, $5 }'
fi

echo
echo "Quoted from the issue, not measured here (never installed or run by this script):"
echo "  peer 1: 10.8 % of a core and 111 MiB in play, 0.43 s to first frame"
echo "  peer 2: 115 % of a core and 191 MiB in play, 2.8 s to first frame"
echo "  this game before the work: 60-66 % and 131-138 MiB in play, 0.79 s to first frame"
