#!/bin/bash
# End-to-end check that SoundPlayer's sound reaches a real sound server: a private
# PulseAudio with a null sink, whose monitor is recorded and measured with sox.
#   sound_e2e.sh PATH/TO/play_sound_main
set -euo pipefail

player=${1:?usage: sound_e2e.sh PATH/TO/play_sound_main}
[[ -x $player ]] || { echo "FAIL: $player is not an executable" >&2; exit 1; }
for tool in pulseaudio pactl parecord sox; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

readonly SETTLE_SECONDS=0.4        # of recording, for the server to play out what it holds
readonly SERVER_WAIT_TRIES=300     # tenths of a second for the server to answer
readonly RECORD_LATENCY_MS=20      # small, or the recorder loses what it holds when stopped
readonly RECORD_WAIT_TRIES=300     # tenths of a second for the recording to start
readonly WAV_HEADER_BYTES=44
readonly SILENCE_THRESHOLD=1%      # what sox counts as sound when trimming silence
readonly MIN_PEAK=0.1              # a sound was heard at all
readonly MIN_RMS=0.01
readonly TONE_SECONDS=0.5
readonly MIN_TONE_SPAN=0.45        # the tone was heard to its end, not cut off
readonly MIN_CHIME_SPAN=0.4
readonly MAX_CHIME_SPAN=1.0
readonly LONG_TONE_SECONDS=3
readonly STOP_AFTER_MS=300
readonly HUGE_TONE_SECONDS=761      # 64 MiB
readonly HUGE_RUN_MS=5000           # time enough to load it on a busy machine
readonly MAX_STOPPED_SPAN=0.8      # stop() silenced it well before the program ended
readonly PLAYER_TIMEOUT_SECONDS=20 # a player that hangs on a FIFO or a device fails, not waits

source "$(dirname "$0")/sound_server.sh"

# Records the null sink while the player plays; the recording is $work/rec-NAME.wav.
record_playing() {
    local name=$1
    shift
    parecord -d nul.monitor --latency-msec="$RECORD_LATENCY_MS" --file-format=wav "$work/rec-$name.wav" &
    recorder_pid=$!
    wait_for_recording "$work/rec-$name.wav"
    QT_QPA_PLATFORM=offscreen timeout "$PLAYER_TIMEOUT_SECONDS" "$player" "$@" >"$work/$name.log" 2>&1 ||
        fail "$name: play_sound_main exited with $? ($(cat "$work/$name.log"))"
    record_more "$work/rec-$name.wav" "$SETTLE_SECONDS"
    kill -INT "$recorder_pid"
    wait "$recorder_pid" || true
    recorder_pid=""
}

# Seconds from the first to the last sound in the recording.
sound_span() {
    local name=$1
    sox "$work/rec-$name.wav" "$work/rec-$name-span.wav" \
        silence 1 0.005 "$SILENCE_THRESHOLD" reverse silence 1 0.005 "$SILENCE_THRESHOLD" reverse
    stat_of "$work/rec-$name-span.wav" "Length"
}


check_heard() { # NAME MIN_SPAN MAX_SPAN
    local name=$1 peak rms span
    peak=$(stat_of "$work/rec-$name.wav" "Maximum amplitude")
    rms=$(stat_of "$work/rec-$name.wav" "RMS     amplitude")
    span=$(sound_span "$name")
    echo "$name: peak $peak, RMS $rms, sound for ${span}s"
    at_least "$peak" "$MIN_PEAK" && at_least "$rms" "$MIN_RMS" || fail "$name: silent"
    at_least "$span" "$2" || fail "$name: sound lasted ${span}s, expected at least $2"
    at_least "$3" "$span" || fail "$name: sound lasted ${span}s, expected at most $3"
}

start_server

# A 24-bit stereo file, which sox writes as WAVE_FORMAT_EXTENSIBLE.
sox -n -r 48000 -c 2 -b 24 "$work/tone.wav" synth "$TONE_SECONDS" sine 440 vol 0.5
record_playing tone "$work/tone.wav"
check_heard tone "$MIN_TONE_SPAN" "$LONG_TONE_SECONDS"

record_playing chime "$work/no-such-file.wav"
check_heard chime "$MIN_CHIME_SPAN" "$MAX_CHIME_SPAN"

sox -n -r 44100 -c 1 -b 16 "$work/long.wav" synth "$LONG_TONE_SECONDS" sine 660 vol 0.5
record_playing stopped "$work/long.wav" "$STOP_AFTER_MS"
check_heard stopped 0 "$MAX_STOPPED_SPAN"

# What is no regular file plays the chime at once: a FIFO nobody writes, an endless device.
mkfifo "$work/fifo.wav"
record_playing fifo "$work/fifo.wav"
check_heard fifo "$MIN_CHIME_SPAN" "$MAX_CHIME_SPAN"
record_playing zero /dev/zero
check_heard zero "$MIN_CHIME_SPAN" "$MAX_CHIME_SPAN"

# A 64 MiB file loads while the player's thread answers, and then plays; a stop while it
# loads wins: the load is dropped, never played late.
sox -n -r 44100 -c 1 -b 16 "$work/huge.wav" synth "$HUGE_TONE_SECONDS" sine 440 vol 0.5
record_playing huge "$work/huge.wav" -1 "$HUGE_RUN_MS"
grep -q "answered while loading" "$work/huge.log" || fail "huge: the thread waited for the load"
check_heard huge "$MIN_TONE_SPAN" "$((HUGE_RUN_MS / 1000))"
record_playing stale "$work/huge.wav" 0 "$HUGE_RUN_MS"
at_least "$(stat_of "$work/rec-stale.wav" "Maximum amplitude")" "$MIN_PEAK" &&
    fail "stale: the sound stopped while it loaded played late"

echo "sound_e2e: 7 passed, 0 failed"
