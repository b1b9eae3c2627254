#!/usr/bin/env bash
# Builds the benchmarks, runs them against their floors on a virtual display of their own
# and prints one table; exits non-zero when a target is missed.
# Usage: bench/run.sh [IDLE_SECONDS]   (60 by default; BUILD_DIR=build by default)
set -euo pipefail
cd "$(dirname "$0")/.."
idle_seconds=${1:-60}
build=${BUILD_DIR:-build}

# The tick benchmark needs the test support library, so tests stay on too.
cmake -S . -B "$build" -G Ninja -DMORVANE_BENCH=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target morvane bare_window bare_text_window bare_ticker map_watcher tick_benchmark \
    search_benchmark

work=$(mktemp -d)
xvfb=
bus_pid=
cleanup() {
    # Anything still running from the temporary folders (a benchmark cut short), then Xvfb.
    for process in /proc/[0-9]*; do
        case $(readlink "$process/exe" 2>/dev/null) in "$work"/*) kill -9 "${process#/proc/}" 2>/dev/null || true ;; esac
    done
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; } || true
    [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A desktop session has its session bus. Without one, the first program to touch
# accessibility starts a bus through X11, about 20 ms, and an empty window does so after it
# shows but a window with text before: the figure would time that moment, not the program.
{ read -r address; read -r bus_pid; } < <(dbus-daemon --session --print-address=1 --print-pid=1 --fork)
[[ $address == unix:* ]] || { echo "the session bus did not start" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$address

echo "== start-up: Morvane and a bare window, alternating"
python3 bench/compare.py startup "$build" "$work/results.jsonl"
echo "== idle for ${idle_seconds} s: Morvane and a bare ticker, side by side"
python3 bench/compare.py idle "$build" "$work/results.jsonl" --seconds "$idle_seconds"
echo "== one tick"
QT_QPA_PLATFORM=offscreen "$build/bench/tick_benchmark" --benchmark_out="$work/tick.json" \
    --benchmark_out_format=json
echo "== a search over 100,000 files against find"
search_status=0
QT_QPA_PLATFORM=offscreen "$build/bench/search_benchmark" || search_status=$?
echo
python3 bench/compare.py table "$work/results.jsonl" "$work/tick.json"
exit "$search_status"
