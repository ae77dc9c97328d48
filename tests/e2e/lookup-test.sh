#!/usr/bin/env bash
# End to end on a virtual X server, with real X input:
#
#   lookup-test.sh <velmorra> <artifact-dir> <registry-host>
#
# Starts the program under Xvfb with a stand-in `xdg-open` first on PATH,
# clicks the (still empty) link label, types a model into the model box,
# clicks the first result row and then the link label, and checks that the
# stand-in was run once, with the device's registry address as its only
# argument. A screenshot of the window is kept in <artifact-dir>.
set -euo pipefail

program=$1
artifacts=$2
host=$3
title="Velmorra - by Quindrel"
model="1757-FFLD"
expected="http://${host}/index.php?option=com_mtree&task=viewlink&link_id=902&ffbstatus=Registered&Itemid=324"
wait_seconds=30

# Positions in the client area, from the design layout at 96 dpi (15 twips
# a pixel): the model box at 1560,720; the link label at 1560,2640; the
# list at 120,3120 whose first row sits below a header of 16-22 pixels and
# is at least 13 high, so y = 208 + 25 hits it.
model_box=(124 57)
link_label=(124 184)
first_row=(60 233)

server_pid=""
app_pid=""
tmp=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-e2e.XXXXXX")
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
# Signals end the script through its exit trap.
trap 'exit 1' HUP INT PIPE TERM

fail() {
    echo "FAIL: $*" >&2
    [[ -f $tmp/app.log ]] && sed 's/^/  program: /' "$tmp/app.log" >&2
    exit 1
}

[[ -x $program ]] || fail "no program at $program"
mkdir -p "$artifacts" "$tmp/bin" "$tmp/opened" "$tmp/home"

# The stand-in browser: one file per run, holding its argument count and
# then each argument on its own line.
cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
out=\$(mktemp "$tmp/opened/run.XXXXXX")
{ echo "\$#"; for a in "\$@"; do printf '%s\n' "\$a"; done; } >"\$out.tmp"
mv "\$out.tmp" "\$out"
STUB
chmod +x "$tmp/bin/xdg-open"

# Xvfb writes its display number to fd 3 once it accepts clients. Other
# X servers may come and go on this host meanwhile; a server that cannot
# be reached is replaced by a fresh one.
start_server() {
    local attempt i
    for attempt in 1 2 3; do
        rm -f "$tmp/display"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
            3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
        server_pid=$!
        for ((i = 0; i < wait_seconds * 10; i++)); do
            [[ -s $tmp/display ]] && break
            kill -0 "$server_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [[ -s $tmp/display ]]; then
            export DISPLAY=":$(head -n1 "$tmp/display")"
            xdpyinfo >/dev/null 2>&1 && return 0
        fi
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
        server_pid=""
    done
    echo "FAIL: no reachable X server: $(cat "$tmp/xvfb.log")" >&2
    exit 1
}
start_server

# A clean environment: no session bus, no desktop settings, no scaling.
env -i PATH="$tmp/bin:/usr/bin:/bin" HOME="$tmp/home" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$tmp" DBUS_SESSION_BUS_ADDRESS=disabled: \
    QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    "$program" >"$tmp/app.log" 2>&1 &
app_pid=$!

win=$(timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "^${title}\$" | head -n1) \
    || fail "no window named \"$title\""
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
[[ $(xdotool getwindowpid "$win") == "$app_pid" ]] || fail "window $win is not the program's"
# Without a window manager nothing gives the window the keyboard focus.
xdotool windowfocus --sync "$win"

click() {
    xdotool mousemove --window "$win" "$1" "$2" click --delay 0 1
}

# The label is empty after start-up: a click on it opens nothing.
click "${link_label[@]}"
click "${model_box[@]}"
xdotool type --delay 20 "$model"
# X delivers these in order and the program filters inside each key event,
# so the row is clicked only after the list holds the typed model's rows.
click "${first_row[@]}"
click "${link_label[@]}"

for ((i = 0; i < wait_seconds * 10; i++)); do
    compgen -G "$tmp/opened/run.??????" >/dev/null && break
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
    sleep 0.1
done
# A round trip through the program's window: anything it was about to open
# from the earlier click would have been started by now.
xdotool getwindowgeometry "$win" >/dev/null
import -window "$win" "$artifacts/e2e-lookup.png" || echo "warning: no screenshot" >&2

runs=("$tmp"/opened/run.??????)
[[ -e ${runs[0]} ]] || fail "xdg-open was not run within ${wait_seconds}s"
((${#runs[@]} == 1)) || fail "xdg-open ran ${#runs[@]} times: $(cat "${runs[@]}")"
mapfile -t got <"${runs[0]}"
[[ ${got[0]} == 1 ]] || fail "xdg-open got ${got[0]} arguments: ${got[*]:1}"
[[ ${got[1]} == "$expected" ]] || fail "opened '${got[1]}', expected '$expected'"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

echo "opened $expected"
echo "screenshot: $artifacts/e2e-lookup.png"
