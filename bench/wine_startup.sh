#!/usr/bin/env bash
# The Windows build under Wine against a bare Qt window under Wine, alternating, on a
# virtual display of their own: the time until the window maps and the memory (PSS) 3 s
# after the start. Run after ./windows.sh.   bench/wine_startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
source scripts/windows-layout.sh
work=$(mktemp -d)
cp -r build-windows/Morvane "$work/Morvane"
cp build-windows/build/bench/bare_window.exe "$work/Morvane/"
# The logo off, as the Linux figures are taken: the clock is the window that maps.
printf '0,0,1,"off",12,0,0,0,1\r\n' >"$work/Morvane/Data/St.kvi"
start_wine "${MORVANE_CACHE:-$HOME/.cache/morvane}/wine"
trap 'stop_wine; rm -rf "$work"' EXIT

# Milliseconds until a window of the title maps, and the program's PSS in KiB at 3 s.
measure() {
    local program=$1 title=$2 started pid
    started=$(date +%s%N)
    wine "$work/Morvane/$program" >/dev/null 2>&1 &
    # Polled: xdotool's own --sync looks once a second.
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.02; done
    echo -n "$(( ($(date +%s%N) - started) / 1000000 )) "
    sleep 3
    pid=$(pgrep -f "Morvane/$program" | head -1)
    awk '/^Pss:/ {sum += $2} END {print sum}' "/proc/$pid/smaps"
    wineserver -k
    wineserver -w
}

printf '%-12s %8s %8s\n' program ms pss_kib
for _ in $(seq "$runs"); do
    printf '%-12s %8s %8s\n' morvane $(measure morvane.exe '^Morvane3\.1$')
    printf '%-12s %8s %8s\n' bare $(measure bare_window.exe '^MorvaneBareWindow$')
done
