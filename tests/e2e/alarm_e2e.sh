#!/bin/bash
# End-to-end check of the alarm as a user meets it: the installed program on a virtual
# display, its wall clock faked to just before 7:30 with the alarm on, and a real sound
# server. The half hour's sound must reach the server exactly once.
#   alarm_e2e.sh PATH/TO/morvane PATH/TO/morvane_sound.so
set -euo pipefail

program=${1:?usage: alarm_e2e.sh MORVANE SOUND_MODULE}
module=${2:?usage: alarm_e2e.sh MORVANE SOUND_MODULE}
for tool in pulseaudio pactl parecord sox faketime Xvfb xdotool iconv python3; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

# The first tick must see minute 29, or the guard stays set and 7:30 is silent: the faked
# clock starts early enough for a slow start-up, which the test checks, not assumes.
readonly START_TIME='@2002-07-15 07:29:30'
readonly MARGIN_SECONDS=30                  # from the start to the 7:30 slot
readonly RUN_SECONDS=37                     # through 7:30:07, where the guard must hold
readonly DISPLAY_WAIT_TRIES=300             # tenths of a second for Xvfb to answer
readonly RECORD_LATENCY_MS=20
readonly TONE_SECONDS=0.5
readonly SLOT_0700=14
readonly SLOT_0730=15

source "$(dirname "$0")/sound_server.sh"
xvfb_pid=""
program_pid=""
stop_display() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    cleanup
}
trap stop_display EXIT

# The install folder: the program, its modules and a Data folder, as a user has it.
install_program() {
    local folder=$work/install
    mkdir -p "$folder/Data"
    # The desktop module lies beside the sound module in the build folder.
    cp "$program" "$module" "$(dirname "$module")/morvane_desktop.so" "$folder/"
    sox -n -r 44100 -c 1 -b 16 "$work/half-hour.wav" synth "$TONE_SECONDS" sine 880 vol 0.5
    sox -n -r 44100 -c 1 -b 16 "$work/full-hour.wav" synth 2 sine 440 vol 0.5
    printf '0,0,0,"off",24,0,0,1,1\r\n' >"$folder/Data/St.kvi"
    printf '9000,600\r\n' >"$folder/Data/fiti.kvi"
    printf '"IPAGothic",#FALSE#,#FALSE#,16777215\r\n' >"$folder/Data/fot.kvi"
    for ((slot = 0; slot < 48; slot++)); do
        case $slot in
        "$SLOT_0700") printf '"%s"\r\n' "$work/full-hour.wav" ;;
        "$SLOT_0730") printf '"%s"\r\n' "$work/half-hour.wav" ;;
        *) printf '"設定なし"\r\n' ;;
        esac
    done | iconv -f UTF-8 -t CP932 >"$folder/Data/alarmset.kvi"
}

start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for ((i = 0; i < DISPLAY_WAIT_TRIES; i++)); do [[ -s $work/display ]] && break; sleep 0.1; done
    [[ -s $work/display ]] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

# The bursts of sound in a recording, one line each: start and length in seconds.
bursts() {
    python3 - "$1" <<'PYTHON'
import array, sys, wave
with wave.open(sys.argv[1]) as w:
    rate, channels = w.getframerate(), w.getnchannels()
    samples = array.array("h", w.readframes(w.getnframes()))
window = rate * channels // 20  # 50 ms
loud = [max(map(abs, samples[i:i + window]), default=0) > 3000 for i in range(0, len(samples), window)]
start = None
for index, on in enumerate(loud + [False]):
    if on and start is None:
        start = index
    elif not on and start is not None:
        print(f"{start / 20:.2f} {(index - start) / 20:.2f}")
        start = None
PYTHON
}

install_program
start_server
start_display
unset QT_QPA_PLATFORM
parecord -d nul.monitor --latency-msec="$RECORD_LATENCY_MS" --file-format=wav "$work/heard.wav" &
recorder_pid=$!
wait_for_recording "$work/heard.wav"
(cd "$work/install" && FAKETIME_DONT_FAKE_MONOTONIC=1 exec faketime -f "$START_TIME" ./morvane) \
    >"$work/program.log" 2>&1 &
program_pid=$!
started=$(date +%s.%N)
until xdotool search --onlyvisible --name '^Morvane3\.1$' >/dev/null 2>&1; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/program.log")"
    sleep 0.1
done
took=$(awk -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { printf "%.1f", n - s }')
echo "the clock window came up after ${took}s"
at_least "$MARGIN_SECONDS" "$took" || fail "start-up took ${took}s, past the 7:30 slot"
sleep "$(awk -v s="$started" -v n="$(date +%s.%N)" -v r="$RUN_SECONDS" 'BEGIN { print s + r - n }')"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/program.log")"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
kill -INT "$recorder_pid"
wait "$recorder_pid" || true
recorder_pid=""

heard=$(bursts "$work/heard.wav")
echo "bursts (start, seconds): ${heard:-none}"
count=$(printf '%s' "$heard" | grep -c . || true)
[[ $count -eq 1 ]] || fail "expected the 7:30 sound once, heard $count bursts"
length=$(echo "$heard" | awk '{ print $2 }')
at_least "$length" 0.4 && at_least 0.8 "$length" ||
    fail "the burst lasted ${length}s; the 7:30 sound is ${TONE_SECONDS}s"
echo "alarm_e2e: 1 passed, 0 failed"
