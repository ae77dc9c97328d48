# shellcheck shell=bash
# Shared helpers for the scripts that run a real program on a virtual X
# server. Source this file; it keeps its state in XS_* variables and
# `xs_cleanup` stops whatever it started, by process id.
#
#   xs_trap [function]        run the function (default xs_cleanup) on exit,
#                             and turn HUP, INT, PIPE and TERM into an exit
#   xs_start_server [WxHxD]   start Xvfb, export DISPLAY; a server that
#                             cannot be reached is replaced, up to 3 times;
#                             with XS_WM=openbox a window manager as well
#   xs_start_wm               start openbox on the server, wait until it
#                             manages windows, set XS_WM_PID
#   xs_have_wm                succeed when a window manager runs
#   xs_start_app [VAR=value...] <program> [args...]
#                             start the program in an empty environment
#                             (plus the given variables), set XS_APP_PID;
#                             with XS_WINE set, through that Wine launcher
#   xs_alive                  fail unless the program still runs
#   xs_find_window <title>    wait for the program's visible window, set XS_WIN
#   xs_settle_window          wait until the window's size stops changing
#                             (and, with a window manager, until it is framed)
#   xs_frame_extents          print the frame's "left right top bottom" in
#                             pixels (0 0 0 0 without a window manager)
#   xs_focus_window           give the window the keyboard focus
#   xs_click <x> <y>          left click at a spot of the window's client area
#   xs_px <twips>             a length in twips as pixels of the program's
#                             screen: 96 dpi, or Wine's WINE_LOGPIXELS
#   xs_stop_app               stop the program started last
#   xs_cleanup                stop the program and the server
#
# Scratch files live in XS_TMP (the program's log in $XS_TMP/app.log).
#
# XS_WM selects the session: empty or "none" for a bare X server (the
# default), "openbox" for one managed by openbox, which frames, places and
# focuses the window itself. Scripts run unchanged in either session.

XS_SERVER_PID=""
XS_WM_PID=""
XS_WM=${XS_WM:-}
XS_APP_PID=""
XS_WIN=""
XS_TMP=""
# Every wait is bounded, so a hung program fails the run instead of the
# test driver's timeout killing this shell before its cleanup runs.
XS_WAIT_SECONDS=${XS_WAIT_SECONDS:-30}

xs_fail() {
    echo "FAIL: $*" >&2
    if [[ -n $XS_TMP && -s $XS_TMP/app.log ]]; then
        sed 's/^/  program: /' "$XS_TMP/app.log" >&2
    fi
    exit 1
}

xs_trap() {
    # shellcheck disable=SC2064 # the function's name, fixed now
    trap "${1:-xs_cleanup}" EXIT
    # Signals end the script through its exit trap.
    trap 'exit 1' HUP INT PIPE TERM
}

xs_make_tmp() {
    if [[ -z $XS_TMP ]]; then
        XS_TMP=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-x.XXXXXX")
        chmod 700 "$XS_TMP"
        mkdir "$XS_TMP/home"
    fi
}

# Xvfb writes its display number to fd 3 once it accepts clients. Other X
# servers may come and go on this host meanwhile; a server that cannot be
# reached is replaced by a fresh one. Without -noreset the server resets
# whenever its last client leaves (the probe, a stopped program) and
# refuses the next program while it does.
xs_start_server() {
    local screen=${1:-1920x1200x24} i
    xs_make_tmp
    for _ in 1 2 3; do
        rm -f "$XS_TMP/display"
        Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp -noreset \
            3>"$XS_TMP/display" >"$XS_TMP/xvfb.log" 2>&1 &
        XS_SERVER_PID=$!
        for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
            [[ -s $XS_TMP/display ]] && break
            kill -0 "$XS_SERVER_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [[ -s $XS_TMP/display ]]; then
            DISPLAY=":$(head -n1 "$XS_TMP/display")"
            export DISPLAY
            if xdpyinfo >/dev/null 2>&1; then
                case ${XS_WM:-none} in
                none) ;;
                openbox) xs_start_wm ;;
                *) xs_fail "unknown window manager XS_WM='$XS_WM'" ;;
                esac
                return 0
            fi
        fi
        kill "$XS_SERVER_PID" 2>/dev/null || true
        wait "$XS_SERVER_PID" 2>/dev/null || true
        XS_SERVER_PID=""
    done
    xs_fail "no reachable X server: $(cat "$XS_TMP/xvfb.log")"
}

xs_have_wm() {
    [[ -n $XS_WM_PID ]]
}

# openbox with its default theme and settings, none of the user's: it
# reads its configuration from the scratch home. It manages windows once
# the root window names its check window and that window names itself
# (the window manager's handshake), checked with xprop.
xs_start_wm() {
    local i root check
    xs_make_tmp
    [[ -z $XS_WM_PID ]] || return 0
    env -i PATH=/usr/bin:/bin HOME="$XS_TMP/home" DISPLAY="$DISPLAY" \
        XDG_CONFIG_HOME="$XS_TMP/home/.config" XDG_RUNTIME_DIR="$XS_TMP" \
        DBUS_SESSION_BUS_ADDRESS=disabled: LC_ALL=C.UTF-8 \
        openbox --sm-disable >"$XS_TMP/wm.log" 2>&1 &
    XS_WM_PID=$!
    for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
        kill -0 "$XS_WM_PID" 2>/dev/null || break
        root=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
        if [[ -n $root ]]; then
            check=$(xprop -id "$root" _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
            [[ $check == "$root" ]] && return 0
        fi
        sleep 0.1
    done
    xs_fail "openbox did not start managing windows within ${XS_WAIT_SECONDS}s: $(cat "$XS_TMP/wm.log")"
}

xs_start_app() {
    local vars=() wine=() v
    xs_make_tmp
    while [[ $1 =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
        vars+=("$1")
        shift
    done
    # A Windows program runs through the Wine launcher, which gets the
    # WINE* variables of this session.
    if [[ -n ${XS_WINE:-} ]]; then
        for v in $(compgen -e | grep '^WINE'); do
            vars+=("$v=${!v}")
        done
        wine=("$XS_WINE")
    fi
    # No session bus, no desktop settings, no scaling unless asked for:
    # every run starts the same way. Sanitizer settings pass through.
    env -i PATH=/usr/bin:/bin HOME="$XS_TMP/home" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$XS_TMP" DBUS_SESSION_BUS_ADDRESS=disabled: \
        QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
        ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
        "${vars[@]}" "${wine[@]}" "$@" >>"$XS_TMP/app.log" 2>&1 &
    XS_APP_PID=$!
}

xs_alive() {
    [[ -n $XS_APP_PID ]] && kill -0 "$XS_APP_PID" 2>/dev/null || xs_fail "the program ended"
}

xs_find_window() {
    local title=$1 found="" i
    for ((i = 0; i < XS_WAIT_SECONDS * 5; i++)); do
        found=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1) || true
        [[ -z $found ]] || break
        kill -0 "$XS_APP_PID" 2>/dev/null || xs_fail "the program ended before showing its window"
        sleep 0.2
    done
    [[ -n $found ]] || xs_fail "no visible window named \"$title\" within ${XS_WAIT_SECONDS}s"
    XS_WIN=$found
    # The window must be the program's own, not a leftover of another run.
    local pid
    pid=$(xdotool getwindowpid "$XS_WIN" 2>/dev/null) || pid=""
    [[ $pid == "$XS_APP_PID" ]] || xs_fail "window $XS_WIN belongs to pid '$pid', not $XS_APP_PID"
}

# The window manager's frame around the window, from _NET_FRAME_EXTENTS:
# "left right top bottom" in pixels; "0 0 0 0" without a window manager.
xs_frame_extents() {
    local value
    if ! xs_have_wm; then
        echo "0 0 0 0"
        return 0
    fi
    value=$(xprop -id "$XS_WIN" -notype _NET_FRAME_EXTENTS 2>/dev/null |
        sed -n 's/^_NET_FRAME_EXTENTS = //p' | tr -d ',')
    [[ $value =~ ^[0-9]+\ [0-9]+\ [0-9]+\ [0-9]+$ ]] || return 1
    echo "$value"
}

# Waits until the window's size has stopped changing (the first layout
# passes run right after the window is mapped). A window manager frames
# the window after it is mapped: first wait for the frame.
xs_settle_window() {
    local last="" now i
    if xs_have_wm; then
        for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
            xs_frame_extents >/dev/null && break
            sleep 0.1
        done
        xs_frame_extents >/dev/null || xs_fail "window $XS_WIN was not framed within ${XS_WAIT_SECONDS}s"
    fi
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

# Without a window manager nothing gives the window the keyboard focus;
# a window manager is asked to activate it (and gives it the focus).
xs_focus_window() {
    local i
    if xs_have_wm; then
        xdotool windowactivate --sync "$XS_WIN" 2>/dev/null || true
        for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
            [[ $(xdotool getwindowfocus 2>/dev/null) == "$XS_WIN" ]] && return 0
            sleep 0.1
        done
        xs_fail "window $XS_WIN did not get the focus within ${XS_WAIT_SECONDS}s"
    fi
    xdotool windowfocus --sync "$XS_WIN"
}

xs_click() {
    xdotool mousemove --window "$XS_WIN" "$1" "$2" click --delay 0 1
}

xs_px() {
    local dpi=${WINE_LOGPIXELS:-96}
    echo $((($1 * dpi + 720) / 1440))
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
    # A Wine server left to end by itself could still be ending when the
    # next Wine program connects to it, which then fails at once.
    if [[ -n ${XS_WINE:-} ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    if [[ -n $XS_WM_PID ]]; then
        kill "$XS_WM_PID" 2>/dev/null || true
        wait "$XS_WM_PID" 2>/dev/null || true
        XS_WM_PID=""
    fi
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
