#!/usr/bin/env bash
# The launcher's load with 30 filled slots (programs and desktop entries) against a bare Qt
# window with the same 30 theme icons on buttons, alternating, each run a fresh process;
# prints the medians and their ratio and exits non-zero above 1.5.
# Usage: bench/launcher_run.sh [RUNS]   (7 by default; BUILD_DIR=build by default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=${BUILD_DIR:-build}
limit=1.5
cmake --build "$build" --target launcher_benchmark >/dev/null

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; } || true
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM

# 15 programs and 15 desktop entries, each entry with its own theme icon.
programs=(sh env ls cat cp mv rm mkdir date sleep true false echo touch grep)
entry_icons=(computer drive-harddisk printer folder user-home user-trash network-server
    audio-headphones media-optical input-gaming folder-music folder-pictures folder-videos
    user-desktop start-here)
mkdir -p "$work/install/Data" "$work/entries"
cp Data/*.kvi "$work/install/Data/"
records=() floor_icons=()
for i in $(seq 0 14); do
    records+=("\"$(command -v "${programs[$i]}")\",\"p$i\"")
    floor_icons+=(application-x-executable)
    entry="$work/entries/e$i.desktop"
    printf '[Desktop Entry]\nType=Application\nName=e%s\nExec=true\nIcon=%s\n' "$i" "${entry_icons[$i]}" >"$entry"
    records+=("\"$entry\",\"e$i\"")
    floor_icons+=("${entry_icons[$i]}")
done
printf '%s\r\n' "${records[@]}" >"$work/install/Data/Shtcut.kvi"

launcher_times=() floor_times=()
for _ in $(seq "$runs"); do
    launcher_times+=("$("$build/bench/launcher_benchmark" launcher "$work/install" 2>/dev/null)")
    floor_times+=("$("$build/bench/launcher_benchmark" floor "${floor_icons[@]}" 2>/dev/null)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
launcher_ms=$(median "${launcher_times[@]}")
floor_ms=$(median "${floor_times[@]}")
ratio=$(python3 -c "print(f'{max($launcher_ms, 1) / max($floor_ms, 1):.2f}')")
echo "launcher ${launcher_ms} ms (runs: ${launcher_times[*]})"
echo "floor    ${floor_ms} ms (runs: ${floor_times[*]})"
echo "ratio    ${ratio} (limit ${limit})"
python3 -c "import sys; sys.exit(0 if $ratio <= $limit else 1)"
