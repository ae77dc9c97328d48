# shellcheck shell=bash
# Helpers for the scripts that run the real program with the accessibility
# bridge on, as a screen reader meets it, on a virtual X server or under a
# headless Wayland compositor. Source this file; it builds on xsession.sh
# (temp dirs, X server, program start, waits, failure reports) and keeps
# its own state in A11Y_* variables.
#
#   a11y_trap                 like xs_trap, with a11y_cleanup on exit
#   a11y_start_bus            start a private session bus; sets A11Y_BUS
#   a11y_start_atspi          start the AT-SPI bus launcher on that bus and
#                             wait until it hands out the accessibility bus
#   a11y_start_weston         start a headless weston with its own runtime
#                             dir and socket; sets A11Y_WAYLAND_ENV, the
#                             variables a program needs to use it
#   a11y_start_app [VAR=value...] <program> [args...]
#                             xs_start_app on the private bus with the
#                             accessibility bridge always on
#   a11y_client [args...]     run the system Python with the private bus
#   a11y_cleanup              stop everything started here, then xs_cleanup
#
# Everything is stopped by process id, together with the processes that it
# started in turn (the accessibility bus, the registry, the shell client).

# shellcheck source=SCRIPTDIR/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"

A11Y_BUS=""
A11Y_BUS_PID=""
A11Y_LAUNCHER_PID=""
A11Y_WESTON_PID=""
A11Y_WAYLAND_ENV=()
A11Y_LAUNCHER=${A11Y_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}

a11y_trap() {
    xs_trap a11y_cleanup
}

# Waits up to XS_WAIT_SECONDS for a command to succeed while process $1 lives.
a11y_wait_for() {
    local pid=$1 i
    shift
    for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The environment shared by the helpers' own processes: nothing from the
# caller's desktop session leaks in.
a11y_env() {
    env -i PATH=/usr/bin:/bin HOME="$XS_TMP/home" XDG_RUNTIME_DIR="$XS_TMP" \
        LC_ALL=C.UTF-8 LANG=C.UTF-8 ${DISPLAY:+DISPLAY="$DISPLAY"} \
        ${A11Y_BUS:+DBUS_SESSION_BUS_ADDRESS="$A11Y_BUS"} "$@"
}

a11y_start_bus() {
    xs_make_tmp
    # A socket in the private temp dir; the session configuration still
    # lets the bus start services on demand.
    a11y_env dbus-daemon --session --nofork --address="unix:path=$XS_TMP/session-bus" \
        --print-address=3 3>"$XS_TMP/bus.address" >"$XS_TMP/bus.log" 2>&1 &
    A11Y_BUS_PID=$!
    a11y_wait_for "$A11Y_BUS_PID" test -s "$XS_TMP/bus.address" ||
        xs_fail "no session bus: $(cat "$XS_TMP/bus.log")"
    A11Y_BUS=$(head -n1 "$XS_TMP/bus.address")
}

a11y_bus_answers() {
    a11y_env dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress >"$XS_TMP/atspi.address" 2>/dev/null
}

a11y_start_atspi() {
    [[ -n $A11Y_BUS ]] || xs_fail "a11y_start_atspi needs a11y_start_bus first"
    [[ -x $A11Y_LAUNCHER ]] || xs_fail "no AT-SPI bus launcher at $A11Y_LAUNCHER"
    a11y_env "$A11Y_LAUNCHER" --launch-immediately >"$XS_TMP/atspi.log" 2>&1 &
    A11Y_LAUNCHER_PID=$!
    a11y_wait_for "$A11Y_LAUNCHER_PID" a11y_bus_answers ||
        xs_fail "the AT-SPI bus did not come up: $(cat "$XS_TMP/atspi.log")"
}

a11y_start_weston() {
    xs_make_tmp
    local dir=$XS_TMP/wayland socket=velmorra-$$
    mkdir -p "$dir"
    chmod 700 "$dir"
    # No X display: the compositor and its clients speak Wayland only.
    env -i PATH=/usr/bin:/bin HOME="$XS_TMP/home" XDG_RUNTIME_DIR="$dir" \
        LC_ALL=C.UTF-8 LANG=C.UTF-8 \
        weston --backend=headless-backend.so --socket="$socket" --no-config \
        --idle-time=0 --log="$XS_TMP/weston.log" >"$XS_TMP/weston.out" 2>&1 &
    A11Y_WESTON_PID=$!
    a11y_wait_for "$A11Y_WESTON_PID" test -S "$dir/$socket" ||
        xs_fail "weston did not start: $(cat "$XS_TMP/weston.out" "$XS_TMP/weston.log" 2>/dev/null)"
    # shellcheck disable=SC2034 # for the scripts that source this file
    A11Y_WAYLAND_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" XDG_RUNTIME_DIR="$dir")
}

a11y_start_app() {
    [[ -n $A11Y_BUS ]] || xs_fail "a11y_start_app needs a11y_start_bus first"
    xs_start_app DBUS_SESSION_BUS_ADDRESS="$A11Y_BUS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
}

a11y_client() {
    a11y_env /usr/bin/python3 "$@"
}

# Every process below $1, deepest first.
a11y_descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        a11y_descendants "$child"
        echo "$child"
    done
}

# Stops process $1 and what it started, by process id.
a11y_stop_tree() {
    local pid=$1 others
    [[ -n $pid ]] || return 0
    others=$(a11y_descendants "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    # shellcheck disable=SC2086 # a list of process ids
    [[ -z $others ]] || kill $others 2>/dev/null || true
}

a11y_cleanup() {
    xs_stop_app
    a11y_stop_tree "$A11Y_WESTON_PID"
    a11y_stop_tree "$A11Y_LAUNCHER_PID"
    a11y_stop_tree "$A11Y_BUS_PID"
    A11Y_WESTON_PID="" A11Y_LAUNCHER_PID="" A11Y_BUS_PID="" A11Y_BUS=""
    xs_cleanup
}
