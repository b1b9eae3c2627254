# Shared by the end-to-end scripts that need a real sound server: a private PulseAudio
# with a null sink named nul, whose monitor a recorder can take. Source it; it cleans up on
# exit. The caller sets SERVER_WAIT_TRIES, RECORD_WAIT_TRIES and WAV_HEADER_BYTES or takes
# these defaults: tenths of a second, generous for a loaded machine.
: "${SERVER_WAIT_TRIES:=300}"
: "${RECORD_WAIT_TRIES:=300}"
: "${WAV_HEADER_BYTES:=44}"
: "${WARM_UP_SECONDS:=0.1}"

work=$(mktemp -d)
server_pid=""
recorder_pid=""

cleanup() {
    [[ -n $recorder_pid ]] && kill "$recorder_pid" 2>/dev/null || true
    [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null || true
    [[ -n $server_pid ]] && wait "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -f $work/pulse.log ]]; then
        echo "--- last lines of the sound server's log:" >&2
        tail -n 20 "$work/pulse.log" >&2
    fi
    exit 1
}

# Everything the server and its clients share lives in $work, away from any desktop
# session's sound server; clients must not start a server of their own.
start_server() {
    mkdir -m 700 "$work/runtime" "$work/home"
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
    export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
    export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
    echo "autospawn = no" >"$work/client.conf"
    export PULSE_CLIENTCONFIG=$work/client.conf
    pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
        --log-target="file:$work/pulse.log" \
        --load="module-null-sink sink_name=nul" --load=module-native-protocol-unix &
    server_pid=$!
    for ((i = 0; i < SERVER_WAIT_TRIES; i++)); do
        pactl info >/dev/null 2>&1 && break
        kill -0 "$server_pid" 2>/dev/null || fail "pulseaudio exited at start"
        sleep 0.1
    done
    pactl set-default-sink nul || fail "the sound server did not come up"
}

# An idle null sink works in blocks of up to two seconds and takes a new stream's lower
# latency only at the end of its current block; a stream started before then stalls.
# So the player starts only once the recorder's file is growing.
wait_for_recording() {
    local file=$1 size
    for ((i = 0; i < RECORD_WAIT_TRIES; i++)); do
        size=$(stat -c %s "$file" 2>/dev/null || echo 0)
        ((size > WAV_HEADER_BYTES)) && return 0
        sleep 0.1
    done
    fail "the recorder received nothing from the null sink's monitor"
}

# Waits until the recording holds SECONDS more sound than now, so that what the server
# still held when the player ended has reached it.
record_more() { # FILE SECONDS
    local file=$1 rate channels want size
    rate=$(sox --i -r "$file" 2>/dev/null) channels=$(sox --i -c "$file" 2>/dev/null)
    want=$(awk -v f="$(stat -c %s "$file")" -v s="$2" -v r="$rate" -v c="$channels" \
        'BEGIN { printf "%d", f + s * r * c * 2 }')
    for ((i = 0; i < RECORD_WAIT_TRIES; i++)); do
        size=$(stat -c %s "$file")
        ((size >= want)) && return 0
        sleep 0.1
    done
    fail "the recorder stopped taking in sound"
}

stat_of() { # FILE FIELD
    sox "$1" -n stat 2>&1 | awk -F: -v field="$2" '$1 ~ "^" field { gsub(/ /, "", $2); print $2 }'
}

at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }
