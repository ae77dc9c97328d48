#!/usr/bin/env bash
# Rapid input end to end, on a virtual X server with real X input:
#
#   rapid-input-test.sh <velmorra> <artifact-dir>
#
# Types a few hundred characters into the model box at full xdotool speed,
# deletes them again with as many BackSpaces, and checks that the program
# then shows the unfiltered list again and still answers: the top and the
# bottom of the list (rows and scroll bar) must look exactly as they did
# after start-up, and a short filter typed afterwards must show and go.
# Screenshots of any mismatch are kept in <artifact-dir>.
set -euo pipefail

program=$1
artifacts=$2
title="Velmorra - by Quindrel"
wait_seconds=${RAPID_WAIT_SECONDS:-90}

# Client-area positions at 96 dpi, from the design layout (15 twips a
# pixel): the model box at 1560,720; the list from 120,3120; the caption
# "Vendor:" at 120,240, a spot with nothing that reacts to the pointer.
model_box=(124 57)
list_inside=(300 300)
resting=(20 20)
list_top=200

server_pid=""
app_pid=""
tmp=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-rapid.XXXXXX")
chmod 700 "$tmp"

cleanup() {
    local pid
    for pid in "$app_pid" "$server_pid"; do
        if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -f $tmp/app.log ]] && sed 's/^/  program: /' "$tmp/app.log" >&2
    cp "$tmp"/*.png "$artifacts/" 2>/dev/null || true
    exit 1
}

alive() {
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
}

[[ -x $program ]] || fail "no program at $program"
mkdir -p "$artifacts" "$tmp/home"

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
server_pid=$!
for ((i = 0; i < 300; i++)); do
    [[ -s $tmp/display ]] && break
    kill -0 "$server_pid" 2>/dev/null || fail "Xvfb exited: $(cat "$tmp/xvfb.log")"
    sleep 0.1
done
[[ -s $tmp/display ]] || fail "Xvfb reported no display"
export DISPLAY=":$(head -n1 "$tmp/display")"

# No session bus, no desktop settings, no scaling; no browser either.
env -i PATH="/usr/bin:/bin" HOME="$tmp/home" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$tmp" DBUS_SESSION_BUS_ADDRESS=disabled: \
    QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$program" >"$tmp/app.log" 2>&1 &
app_pid=$!

win=""
for ((i = 0; i < wait_seconds * 5; i++)); do
    alive
    win=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1) || true
    [[ -n $win ]] && break
    sleep 0.2
done
[[ -n $win ]] || fail "no window named \"$title\""
[[ $(xdotool getwindowpid "$win") == "$app_pid" ]] || fail "window $win is not the program's"
xdotool windowfocus --sync "$win"

read -r width height < <(xdotool getwindowgeometry --shell "$win" |
    awk -F= '/^WIDTH/{w=$2} /^HEIGHT/{h=$2} END{print w, h}')
crop="${width}x$((height - list_top))+0+${list_top}"

# The list part of the window, once it has stopped changing.
shot() {
    local out=$1 prev="$tmp/prev.png" i
    import -window "$win" -crop "$crop" +repage "$prev"
    for ((i = 0; i < wait_seconds * 4; i++)); do
        sleep 0.25
        import -window "$win" -crop "$crop" +repage "$out"
        [[ $(differing "$prev" "$out") == 0 ]] && return 0
        cp "$out" "$prev"
    done
    fail "the window kept changing"
}

# Number of differing pixels.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Waits until the list looks like (or, with "not", unlike) a screenshot.
await() {
    local mode=$1 ref=$2 name=$3 i n
    for ((i = 0; i < wait_seconds * 2; i++)); do
        alive
        import -window "$win" -crop "$crop" +repage "$tmp/$name.png"
        n=$(differing "$ref" "$tmp/$name.png")
        if [[ $mode == same && $n == 0 ]] || [[ $mode == not && $n != 0 ]]; then
            return 0
        fi
        sleep 0.5
    done
    fail "list $mode as $(basename "$ref") after ${wait_seconds}s ($n pixels differ): $name"
}

click() {
    xdotool mousemove --window "$win" "$1" "$2" click --delay 0 1
}

# The wheel scrolls the list without selecting anything.
scroll_list() {
    xdotool mousemove --window "$win" "${list_inside[@]}" click --repeat 400 --delay 0 "$1"
    xdotool mousemove --window "$win" "${resting[@]}"
}

click "${model_box[@]}"
xdotool mousemove --window "$win" "${resting[@]}"
shot "$tmp/start-top.png"
scroll_list 5
shot "$tmp/start-bottom.png"
scroll_list 4
await same "$tmp/start-top.png" "back-to-top"

# A few hundred characters at full speed: words, digits, blanks, signs.
text=""
while ((${#text} < 300)); do
    text+="Deltabar S EJX910 FF-2000 v4 0x452B48 (rev.2), 3051/T; "
done
text=${text:0:300}
xdotool type --delay 0 "$text"
await not "$tmp/start-top.png" "typed"
xdotool key --delay 0 --repeat $((${#text} + 10)) BackSpace

# Every character gone: the unfiltered list from its first to its last row.
await same "$tmp/start-top.png" "erased-top"
scroll_list 5
await same "$tmp/start-bottom.png" "erased-bottom"
scroll_list 4

# Still answering: a short filter shows, and goes again.
xdotool type --delay 0 "ZLK"
await not "$tmp/start-top.png" "probe"
xdotool key --delay 0 --repeat 3 BackSpace
await same "$tmp/start-top.png" "probe-erased"
alive

echo "typed and erased ${#text} characters; unfiltered list back, program responsive"
