#!/bin/bash
# End-to-end check of the system and product pages' outside requests, as a user meets
# them: the installed program on a virtual display, a logind double on a private bus that
# stands in for the system bus, and a recording xdg-open first on PATH. OK in each power
# box must send its request to the double and end the program without writing a file;
# the support button must hand the delivered page to xdg-open. Return alone in a power box
# takes its default, Cancel: the box goes and nothing is asked.
#   power_e2e.sh PATH/TO/morvane PATH/TO/support.html
set -euo pipefail

program=${1:?usage: power_e2e.sh MORVANE SUPPORT_PAGE}
support=${2:?usage: power_e2e.sh MORVANE SUPPORT_PAGE}
readonly SESSION_ID=c7
readonly WAIT_TRIES=300 # tenths of a second
readonly PAGE_TOP=41    # the pages' top edge in the function screen, in pixels
# Middles of the buttons in the function screen, in pixels.
readonly LOG_OFF_XY="336 $((PAGE_TOP + 180))"
readonly POWER_OFF_XY="336 $((PAGE_TOP + 244))"
readonly RESTART_XY="336 $((PAGE_TOP + 212))"
readonly SUPPORT_XY="252 $((PAGE_TOP + 116))"
readonly MENU_SYSTEM=1
readonly MENU_PRODUCT=7
readonly HELD_SECONDS=2.5 # of a held request: the clock's seconds must change meanwhile

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb xdotool dbus-daemon dbus-send cmp import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
python=""
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import dbusmock' 2>/dev/null; then python=$candidate; break; fi
done
[[ -n $python ]] || fail "python3-dbusmock is not installed"

work=$(mktemp -d)
pids=()
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n ${bus_pid:-} ]] && kill "$bus_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap stop_all EXIT

wait_for() { # wait_for WHAT COMMAND...
    local what=$1
    shift
    for ((i = 0; i < WAIT_TRIES; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "$what"
}

# The private bus that the program takes for the system bus: the real logind is never asked.
{ read -r address; read -r bus_pid; } < <(dbus-daemon --config-file=/usr/share/dbus-1/session.conf \
    --print-address=1 --print-pid=1 --fork)
[[ $address == unix:* ]] || fail "the private bus did not start"
export DBUS_SYSTEM_BUS_ADDRESS=$address
"$python" -m dbusmock --system --template logind -l "$work/logind.log" >/dev/null 2>&1 &
pids+=($!)
wait_for "the logind double did not answer" dbus-send --system --print-reply \
    --dest=org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.DBus.Peer.Ping

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for "Xvfb did not start" test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"

mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

install_program() {
    rm -rf "$work/install"
    mkdir -p "$work/install/Data"
    cp "$program" "$support" "$work/install/"
    cp "$(dirname "$0")/../../Data/"*.kvi "$work/install/Data/"
    printf '0,0,0,"off",24,0,0,0,1\r\n' >"$work/install/Data/St.kvi"
    printf '9000,600\r\n' >"$work/install/Data/fiti.kvi"
}

# Starts the program and opens the function screen at the menu's item number.
start_at_page() {
    install_program
    (cd "$work/install" && PATH="$work/bin:$PATH" XDG_SESSION_ID=$SESSION_ID exec ./morvane) \
        >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    wait_for "the clock window did not appear" xdotool search --onlyvisible --name '^Morvane3\.1$'
    clock=$(xdotool search --onlyvisible --name '^Morvane3\.1$' | head -1)
    xdotool mousemove --window "$clock" 10 10 click 3
    sleep 0.5
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
    wait_for "the function screen did not appear" xdotool search --onlyvisible --name '^機能画面$'
    screen=$(xdotool search --onlyvisible --name '^機能画面$' | head -1)
}

# While logind holds the request, the clock goes on and the program lives; then it is let go.
ticks_while_held() { # EXPECTED_CALL
    wait_for "logind was not asked for $1" bash -c "tail -n +$((seen + 1)) $work/logind.log | grep -Eq '$1'"
    xdotool windowraise "$clock"
    import -window "$clock" "ppm:$work/held-1.ppm"
    sleep "$HELD_SECONDS"
    import -window "$clock" "ppm:$work/held-2.ppm"
    ! cmp -s "$work/held-1.ppm" "$work/held-2.ppm" || fail "the clock stood still while logind held"
    kill -0 "$program_pid" || fail "the program ended before logind answered"
    touch "$work/release"
}

no_box() { ! xdotool search --onlyvisible --name "^$1\$"; }

open_box() { # BUTTON_XY BOX_TITLE
    # shellcheck disable=SC2086
    xdotool mousemove --window "$screen" $1 click 1
    wait_for "the box \"$2\" did not appear" xdotool search --onlyvisible --name "^$2\$"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^$2\$" | head -1)"
}

# power_request BUTTON_XY BOX_TITLE EXPECTED_CALL [held]
power_request() {
    start_at_page "$MENU_SYSTEM"
    local seen
    seen=$(wc -l <"$work/logind.log")
    rm -rf "$work/before"
    cp -r "$work/install/Data" "$work/before"
    open_box "$1" "$2"
    xdotool key Return
    wait_for "Return did not close the box \"$2\"" no_box "$2"
    kill -0 "$program_pid" 2>/dev/null || fail "Return in the box \"$2\" ended the program"
    local asked
    asked=$(tail -n "+$((seen + 1))" "$work/logind.log")
    ! grep -Eq 'PowerOff|Reboot|TerminateSession' <<<"$asked" ||
        fail "Return in the box \"$2\" asked logind: $asked"
    # OK is the first button, one step back from the default.
    open_box "$1" "$2"
    xdotool key shift+Tab Return
    [[ ${4:-} != held ]] || ticks_while_held "$3"
    wait_for "the program did not end after \"$2\"" bash -c "! kill -0 $program_pid"
    local calls
    calls=$(tail -n "+$((seen + 1))" "$work/logind.log")
    grep -Eq "$3" <<<"$calls" || fail "logind was not asked for $3: $calls"
    diff -r "$work/before" "$work/install/Data" || fail "a file was written on the way out"
    echo "ok: $2 -> $calls"
}

power_request "$LOG_OFF_XY" 'Windpwsのログオフ' "TerminateSession \"$SESSION_ID\""
power_request "$POWER_OFF_XY" 'コンピュータのシャットダウン' 'PowerOff True'
power_request "$RESTART_XY" 'コンピュータのシャットダウン' 'Reboot True'

# logind holds the power request, as it does while the desktop asks for a password, until
# the test releases it.
dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
    org.freedesktop.DBus.Mock.AddMethod string:org.freedesktop.login1.Manager string:PowerOff \
    string:b string: "string:import os
while not os.path.exists('$work/release'): time.sleep(0.1)" >/dev/null
power_request "$POWER_OFF_XY" 'コンピュータのシャットダウン' 'PowerOff True' held
# Without a system bus the answer is an error at once, which ends the program all the same.
DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/no-bus power_request "$RESTART_XY" 'コンピュータのシャットダウン' ''

start_at_page "$MENU_PRODUCT"
# shellcheck disable=SC2086
xdotool mousemove --window "$screen" $SUPPORT_XY click 1
wait_for "xdg-open was not started" test -s "$work/opened"
expected="file://$work/install/support.html"
[[ $(cat "$work/opened") == "$expected" ]] || fail "opened $(cat "$work/opened"), not $expected"
kill -0 "$program_pid" || fail "the program ended after opening the support page"
echo "ok: the support page went to xdg-open"
