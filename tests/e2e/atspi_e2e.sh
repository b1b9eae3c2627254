#!/bin/bash
# End-to-end check of what a screen reader is told: the installed program on a virtual
# display with an accessibility bus, its tree read through AT-SPI on every window and page,
# or driven by another checker of this folder.
#   atspi_e2e.sh PATH/TO/morvane PATH/TO/morvane_sound.so [CHECKER.py]
set -euo pipefail

program=${1:?usage: atspi_e2e.sh MORVANE SOUND_MODULE}
module=${2:?usage: atspi_e2e.sh MORVANE SOUND_MODULE}
checker=${3:-atspi_names.py}
readonly BUS_LAUNCHER=/usr/libexec/at-spi-bus-launcher
# The program starts this long before a half hour whose slot has a sound, so the alarm
# selects its slot while the function screen is hidden; the checker waits for it.
readonly BEFORE_ALARM_S=8
readonly START_TIME="@2002-07-15 00:29:$((60 - BEFORE_ALARM_S))"
for tool in Xvfb dbus-launch dbus-send faketime iconv /usr/bin/python3 "$BUS_LAUNCHER"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n ${DBUS_SESSION_BUS_PID:-} ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap stop_all EXIT

mkdir -p "$work/install/Data"
# The desktop module lies beside the sound module in the build folder.
cp "$program" "$module" "$(dirname "$module")/morvane_desktop.so" "$work/install/"
cp "$(dirname "$0")/../../Data/"*.kvi "$work/install/Data/"
printf '0,0,1,"off",12,0,0,1,1\r\n' >"$work/install/Data/St.kvi"
for ((slot = 0; slot < 48; slot++)); do
    if ((slot == 1)); then printf '"%s"\r\n' "$work/chime.wav"; else printf '"設定なし"\r\n'; fi
done | iconv -f UTF-8 -t CP932 >"$work/install/Data/alarmset.kvi"
{
    printf '"/usr/bin/xclock","時計"\r\n'
    for ((slot = 1; slot < 30; slot++)); do printf '"","新しいショートカット"\r\n'; done
} | iconv -f UTF-8 -t CP932 >"$work/install/Data/Shtcut.kvi"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
eval "$(dbus-launch --sh-syntax)"
"$BUS_LAUNCHER" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# A program started before the accessibility bus answers never joins it.
bus_ready() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
for ((i = 0; i < 300; i++)); do bus_ready && break; sleep 0.1; done
bus_ready || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }

(cd "$work/install" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    exec faketime -f "$START_TIME" ./morvane) >"$work/program.log" 2>&1 &
pids+=($!)
MORVANE_ALARM_AT=$(($(date +%s) + BEFORE_ALARM_S + 2))
export MORVANE_ALARM_AT
# Debian's own Python: the AT-SPI bindings are its package.
/usr/bin/python3 "$(dirname "$0")/$checker"
