#!/bin/bash
# The Debian package as a user gets it: ./package.sh makes and checks it, dpkg -x unpacks it
# into a throw-away root, and the unpacked program runs as a user who cannot write that
# root (nobody, with a home of its own). The clock must show, the user's Data folder must
# hold the delivered files, and a drag of the clock must be written there. root, who could
# write the unpacked tree, then runs a second clock beside it, with Data of its own, and
# the tree stays as the package made it.
#   package_e2e.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source_dir=${1:?usage: package_e2e.sh SOURCE_DIR BUILD_DIR}
build_dir=${2:?usage: package_e2e.sh SOURCE_DIR BUILD_DIR}
readonly TRIES=600 # tenths of a second, for a loaded machine
readonly CLOCK='X=600 Y=40 WIDTH=251 HEIGHT=69' # the clock at its delivered place
# Pressed on the title at (700, 46) and moved by (100, 100): the window at (700, 140).
readonly DRAGGED=$'10500,2100\r'
source "$source_dir/scripts/packages.sh"
ensure_packages xvfb xdotool util-linux

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    tail -n 20 "$work"/*.log >&2 2>/dev/null || true
    exit 1
}
[[ $(id -u) -eq 0 ]] || fail "run as root: the program is started as nobody"

"$source_dir/package.sh" "$build_dir" >"$work/package.log" 2>&1 || fail "./package.sh failed"
deb=$(echo "$build_dir"/package/morvane_*_*.deb)
[[ -f $deb ]] || fail "no package in $build_dir/package"
root=$work/unpacked
dpkg -x "$deb" "$root"
chmod 755 "$work"
find "$root" -printf '%p %s %m %T@\n' | sort >"$work/tree.before"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for ((i = 0; i < TRIES; i++)); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

# start NAME [RUNNER...]: the unpacked program through its link in usr/bin, with nothing of
# this environment but the display; its pid lands in $started.
start() {
    local name=$1 home=$work/$1
    shift
    mkdir -p -m 700 "$home" "$home/runtime"
    chown -R "$(id -u "$name"):$(id -g "$name")" "$home"
    env -i HOME="$home" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
        "$@" "$root/usr/bin/morvane" >"$work/$name.log" 2>&1 &
    started=$!
    pids+=("$started")
}

# The clock window of a pid, at its delivered place, once the logo has gone; and it alone,
# so no message box stood in the way.
wait_for_clock() {
    local windows geometry
    for ((i = 0; i < TRIES; i++)); do
        windows=$(xdotool search --all --onlyvisible --pid "$1" --name '^Morvane3\.1$' 2>/dev/null || true)
        if [[ $(echo "$windows" | grep -c .) -eq 1 ]]; then
            geometry=$(xdotool getwindowgeometry --shell "$windows" 2>/dev/null | tr '\n' ' ' || true)
            [[ $geometry == *"$CLOCK"* ]] && return 0
        fi
        sleep 0.1
    done
    fail "no clock window $CLOCK for pid $1"
}

same_as_delivered() {
    for file in "$source_dir"/Data/*.kvi; do
        cmp -s "$file" "$1/$(basename "$file")" || fail "$1/$(basename "$file") differs"
    done
}

start nobody setpriv --reuid=nobody --regid=nogroup --clear-groups
user=$started
wait_for_clock "$user"
data=$work/nobody/.local/share/morvane/Data
same_as_delivered "$root/usr/share/morvane/Data"
same_as_delivered "$data"
[[ $(stat -c %U "$data/St.kvi") == nobody ]] || fail "the Data folder is not the user's"

xdotool mousemove 700 46 mousedown 1
for ((step = 1; step <= 10; step++)); do xdotool mousemove $((700 + 10 * step)) $((46 + 10 * step)); done
xdotool mouseup 1
for ((i = 0; i < TRIES; i++)); do
    [[ $(head -n 1 "$data/fiti.kvi") == "$DRAGGED" ]] && break
    sleep 0.1
done
[[ $(head -n 1 "$data/fiti.kvi") == "$DRAGGED" ]] || fail "fiti.kvi holds $(cat -v "$data/fiti.kvi")"

start root
wait_for_clock "$started"
kill -0 "$user" || fail "the first user's clock ended"
same_as_delivered "$work/root/.local/share/morvane/Data"
find "$root" -printf '%p %s %m %T@\n' | sort | diff "$work/tree.before" - ||
    fail "the unpacked install changed"
echo "package_e2e: 1 passed, 0 failed"
