#!/bin/bash
# End-to-end check of Japanese typed through a real input method: the installed program on
# a virtual display, an IBus daemon with the anthy engine on a private session bus, and
# settings of its own. Romaji typed into the shortcut editor's name box, converted with
# Space and committed with Return, must become 日本語 in the box; that Return must not
# reach the editor, and 確定 must store the name in Shtcut.kvi as CP932.
#   ime_e2e.sh PATH/TO/morvane
set -euo pipefail

program=${1:?usage: ime_e2e.sh MORVANE}
readonly WAIT_TRIES=200   # tenths of a second
readonly DEADLINE_S=100   # the whole test, below ctest's timeout, so cleanup still runs
readonly EDITOR_TITLE='^モルベーン$'
readonly CLOCK_TITLE='^Morvane3\.1$'
readonly LAUNCHER_TITLE='^簡易ランチャー$'
# On the clock window: the launcher picture; on the launcher: the first slot's 設定 button;
# on the editor: 確定. In pixels from each window's corner.
readonly LAUNCHER_PICTURE_XY="160 41"
readonly FIRST_SETTINGS_XY="83 64"
readonly CONFIRM_XY="256 111"
readonly NAME=日本語

fail() { echo "FAIL: $*" >&2; exit 1; }
# ibus-anthy's engine runs the python3 first on PATH and needs Debian's own, with its
# IBus bindings; another one hides the engine from the daemon.
export PATH=/usr/bin:/bin:$PATH
for tool in Xvfb xdotool dbus-daemon ibus ibus-daemon gsettings gdbus iconv setsid \
    /usr/libexec/ibus-engine-anthy; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=$(mktemp -d)
pids=()
stop_all() {
    [[ -n ${watchdog:-} ]] && kill "$watchdog" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # The daemon leads a process group of its own with the engine it started.
    [[ -n ${ibus_pid:-} ]] && kill -- "-$ibus_pid" 2>/dev/null || true
    [[ -n ${bus_pid:-} ]] && kill "$bus_pid" 2>/dev/null || true
    # A process that outlives its TERM for two seconds is killed, so the cleanup never hangs.
    for pid in "${pids[@]}" ${ibus_pid:-}; do
        for ((i = 0; i < 20; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
    done
    [[ -n ${IME_E2E_KEEP:-} ]] && echo "kept $work" >&2 || rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 1' TERM INT HUP PIPE
# Ends the test rather than let a stuck tool hang it; its sleep goes with it, or it would
# hold the test's output open.
(
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep "$DEADLINE_S" &
    sleeper=$!
    wait "$sleeper"
    echo "FAIL: no result within ${DEADLINE_S} s" >&2
    kill -TERM $$
) &
watchdog=$!

wait_for() { # wait_for WHAT COMMAND...
    local what=$1
    shift
    for ((i = 0; i < WAIT_TRIES; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "$what"
}

# The user's folders and settings are the test's own; GSettings keeps them in a key file.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
    XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run GSETTINGS_BACKEND=keyfile
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Debian's ibus-anthy starts in Latin; 0 is hiragana.
gsettings set org.freedesktop.ibus.engine.anthy.common input-mode 0
[[ $(gsettings get org.freedesktop.ibus.engine.anthy.common input-mode) == 0 ]] ||
    fail "anthy's input mode was not set"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for "Xvfb did not start" test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"

# A session bus of the test's own that starts no services: nothing else gets activated.
cat >"$work/session.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$XDG_RUNTIME_DIR</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
{ read -r address; read -r bus_pid; } < <(dbus-daemon --config-file="$work/session.conf" \
    --print-address=1 --print-pid=1 --fork)
[[ $address == unix:* ]] || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$address

setsid ibus-daemon --replace --panel=disable --emoji-extension=disable --config=disable \
    >"$work/ibus.log" 2>&1 &
ibus_pid=$!
# Until the daemon has written its address, the tool prints "(null)".
wait_for "the IBus daemon did not start" bash -c '[[ $(ibus address) == unix:* ]]'
IBUS_ADDRESS=$(ibus address)
export IBUS_ADDRESS
wait_for "IBus does not list the anthy engine" bash -c 'ibus list-engine | grep -qw anthy'
ibus_call() { # ibus_call METHOD ARGUMENT...
    gdbus call --address "$IBUS_ADDRESS" --dest org.freedesktop.IBus \
        --object-path /org/freedesktop/IBus --method "$@"
}
ibus_get() { ibus_call org.freedesktop.DBus.Properties.Get org.freedesktop.IBus "$1"; }
export -f ibus_call ibus_get
# The engine for every input context, as a desktop sets it before programs start. Not
# `ibus engine`: it also runs setxkbmap, which would change the display's keyboard.
ibus_call org.freedesktop.IBus.SetGlobalEngine anthy >/dev/null
[[ $(ibus_get GlobalEngine) == *"'anthy'"* ]] || fail "IBus did not take the anthy engine"
# The daemon's own context has the focus while no program's has.
IDLE_CONTEXT=$(ibus_get CurrentInputContext)
export IDLE_CONTEXT

mkdir -p "$work/install/Data"
cp "$program" "$work/install/"
cp "$(dirname "$0")/../../Data/"*.kvi "$work/install/Data/"
printf '0,0,1,"off",12,0,0,0,1\r\n' >"$work/install/Data/St.kvi"
# The slot's program must exist for 確定 to take the slot.
tool=$work/tool.sh
printf '#!/bin/sh\n' >"$tool"
chmod +x "$tool"
{
    printf '"%s","印"\r\n' "$tool"
    for ((slot = 1; slot < 30; slot++)); do printf '"","新しいショートカット"\r\n'; done
} | iconv -f UTF-8 -t CP932 >"$work/install/Data/Shtcut.kvi"
slots=$work/install/Data/Shtcut.kvi
cp "$slots" "$work/before.kvi"

(cd "$work/install" && QT_QPA_PLATFORM=xcb QT_IM_MODULE=ibus exec ./morvane) \
    >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window_at() { # window_at TITLE_PATTERN: the largest visible window of that name
    local best="" best_area=0 window w h
    for window in $(xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        w=$WIDTH h=$HEIGHT
        if ((w * h > best_area)); then best=$window best_area=$((w * h)); fi
    done
    [[ -n $best ]] && echo "$best"
}
click_in() { # click_in WINDOW X Y
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

wait_for "the clock window did not appear" window_at "$CLOCK_TITLE"
# shellcheck disable=SC2086
click_in "$(window_at "$CLOCK_TITLE")" $LAUNCHER_PICTURE_XY
# The picture's tooltip carries the launcher's words; the launcher is the larger window.
wait_for "the launcher did not appear" window_at "$LAUNCHER_TITLE"
sleep 0.5
# shellcheck disable=SC2086
click_in "$(window_at "$LAUNCHER_TITLE")" $FIRST_SETTINGS_XY
wait_for "the editor did not appear" window_at "$EDITOR_TITLE"
editor=$(window_at "$EDITOR_TITLE")
wait_for "the editor did not take the keyboard" \
    bash -c "[[ \$(xdotool getwindowfocus) == $editor ]]"

# The name box's input context becomes the daemon's focused one; the box is then emptied.
wait_for "the name box's input context did not reach IBus" \
    bash -c '[[ $(ibus_get CurrentInputContext) != "$IDLE_CONTEXT" ]]'
xdotool key --delay 50 ctrl+a BackSpace

xdotool type --delay 80 nihongo
sleep 0.5
xdotool key space
sleep 0.5
xdotool key Return
# The Return that commits the conversion is the input method's alone: the editor stays.
sleep 1
[[ $(window_at "$EDITOR_TITLE") == "$editor" ]] || fail "the committing Return closed the editor"
cmp -s "$slots" "$work/before.kvi" || fail "the committing Return stored the slot"
kill -0 "$program_pid" || fail "the program ended while typing"

# shellcheck disable=SC2086
click_in "$editor" $CONFIRM_XY
wait_for "確定 did not close the editor" bash -c "[[ -z \$(xdotool search --onlyvisible --name '$EDITOR_TITLE') ]]"
wait_for "確定 did not store the slot" bash -c "! cmp -s '$slots' '$work/before.kvi'"
expected=$(printf '"%s","%s"\r\n' "$tool" "$NAME" | iconv -f UTF-8 -t CP932 | od -An -tx1)
stored=$(head -n 1 "$slots" | od -An -tx1)
[[ $stored == "$expected" ]] ||
    fail "the first slot is stored as $(head -n 1 "$slots" | iconv -f CP932 -t UTF-8 2>&1 || true)"
cmp -s <(tail -n +2 "$slots") <(tail -n +2 "$work/before.kvi") || fail "other slots changed"
kill -0 "$program_pid" || fail "the program ended after 確定"
echo "ok: $NAME went through IBus and anthy into the editor and into Shtcut.kvi as CP932"
