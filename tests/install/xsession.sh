# Shared helpers for the scripts that run the real program on a virtual X
# server. Source this file; it keeps its state in XS_* variables and
# `xs_cleanup` stops whatever it started, by process id.
#
#   xs_start_server [WxHxD]   start Xvfb, export DISPLAY
#   xs_start_app <program> [VAR=value...]
#                             start the program with a clean desktop
#                             environment, set XS_APP_PID
#   xs_find_window <title>    wait for the program's visible window, set XS_WIN
#   xs_stop_app               stop the program started last
#   xs_cleanup                stop the program and the server

XS_SERVER_PID=""
XS_APP_PID=""
XS_WIN=""
XS_TMP=""
# Every wait is bounded, so a hung program fails the run instead of the
# test driver's timeout killing this shell before its cleanup runs.
XS_WAIT_SECONDS=${XS_WAIT_SECONDS:-30}

xs_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

xs_start_server() {
    local screen=${1:-1920x1200x24}
    XS_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-x.XXXXXX")
    chmod 700 "$XS_TMP"
    # Xvfb writes the display number to fd 3 once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp \
        3>"$XS_TMP/display" >"$XS_TMP/xvfb.log" 2>&1 &
    XS_SERVER_PID=$!
    local i
    for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
        if [[ -s $XS_TMP/display ]]; then
            break
        fi
        kill -0 "$XS_SERVER_PID" 2>/dev/null || { cat "$XS_TMP/xvfb.log" >&2; xs_fail "Xvfb exited"; }
        sleep 0.1
    done
    [[ -s $XS_TMP/display ]] || xs_fail "Xvfb did not report a display"
    export DISPLAY=":$(head -n1 "$XS_TMP/display")"
}

xs_start_app() {
    local program=$1
    shift
    # No session bus, no desktop settings: every run starts the same way.
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
        -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_USE_NATIVE_WINDOWS \
        DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
        DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR="$XS_TMP" \
        LC_ALL=C.UTF-8 LANG=C.UTF-8 \
        "$@" "$program" >>"$XS_TMP/app.log" 2>&1 &
    XS_APP_PID=$!
}

xs_find_window() {
    local title=$1 found="" i
    for ((i = 0; i < XS_WAIT_SECONDS * 5; i++)); do
        found=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1) || true
        [[ -z $found ]] || break
        if ! kill -0 "$XS_APP_PID" 2>/dev/null; then
            cat "$XS_TMP/app.log" >&2 || true
            xs_fail "the program ended before showing its window"
        fi
        sleep 0.2
    done
    if [[ -z $found ]]; then
        cat "$XS_TMP/app.log" >&2 || true
        xs_fail "no visible window named \"$title\" within ${XS_WAIT_SECONDS}s"
    fi
    XS_WIN=$found
    # The window must be the program's own, not a leftover of another run.
    local pid
    pid=$(xdotool getwindowpid "$XS_WIN" 2>/dev/null) || pid=""
    [[ $pid == "$XS_APP_PID" ]] || xs_fail "window $XS_WIN belongs to pid '$pid', not $XS_APP_PID"
}

# Waits until the window's size has stopped changing (the first layout
# passes run right after the window is mapped).
xs_settle_window() {
    local last="" now i
    for ((i = 0; i < XS_WAIT_SECONDS * 5; i++)); do
        now=$(xwininfo -id "$XS_WIN" | awk '/Width:|Height:/ {printf "%s ", $2}')
        if [[ -n $last && $now == "$last" ]]; then
            return 0
        fi
        last=$now
        sleep 0.2
    done
    xs_fail "window $XS_WIN did not settle"
}

xs_stop_app() {
    if [[ -n $XS_APP_PID ]]; then
        kill "$XS_APP_PID" 2>/dev/null || true
        wait "$XS_APP_PID" 2>/dev/null || true
        XS_APP_PID=""
    fi
    XS_WIN=""
}

xs_cleanup() {
    xs_stop_app
    if [[ -n $XS_SERVER_PID ]]; then
        kill "$XS_SERVER_PID" 2>/dev/null || true
        wait "$XS_SERVER_PID" 2>/dev/null || true
        XS_SERVER_PID=""
    fi
    if [[ -n $XS_TMP ]]; then
        rm -rf "$XS_TMP"
        XS_TMP=""
    fi
}
