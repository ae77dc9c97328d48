#!/usr/bin/env bash
# The real program as a screen reader meets it, over AT-SPI on a private
# session bus:
#
#   desktop-test.sh x <velmorra> --sanitize=<sanitizers>
#   desktop-test.sh wayland <velmorra> --sanitize=<sanitizers>
#
# x:       on a virtual X server, bare (no frame) unless XS_WM names a
#          window manager:
#          controls, columns, rows, a filter typed through the
#          accessibility interface, the layout, then a soak that reads every
#          cell of the list after each of 50 refreshes and bounds the
#          program's memory growth (not in a sanitizer build, whose
#          allocator keeps freed memory on purpose).
# wayland: under a headless weston with Qt's Wayland platform, once without
#          and once with Qt's client-side window decorations: the same
#          checks without the soak, and the frame that the layout pass
#          measured must be the decoration's.
set -euo pipefail

mode=$1
program=$2
sanitize=${3#--sanitize=}
title="Velmorra - by Quindrel"
here=$(dirname "${BASH_SOURCE[0]}")
client=$here/atspi-client.py

# shellcheck source=SCRIPTDIR/../support/a11ysession.sh
source "$here/../support/a11ysession.sh"
a11y_trap

[[ -x $program ]] || xs_fail "no program at $program"

soak=(--soak 50 --memory-bound 5)
[[ -z $sanitize ]] || soak=(--soak 50 --memory-bound 0)

# Fails unless the running program loaded the named Qt platform plugin.
expect_platform() {
    local plugin=$1 maps
    maps=$(grep -o 'platforms/libq[a-z-]*\.so' "/proc/$XS_APP_PID/maps" | sort -u) || true
    [[ $maps == *"platforms/$plugin.so"* ]] || xs_fail "platform plugins loaded: ${maps:-none}, expected $plugin"
    echo "platform: ${maps//$'\n'/ }"
}

# Runs the client on the program started last; a run whose checks fail is
# noted and the script goes on to the next one.
failed=()
read_program() {
    local what=$1 started=$SECONDS
    shift
    a11y_client "$client" --pid "$XS_APP_PID" "$@" || failed+=("$what")
    xs_alive
    echo "$what: read in $((SECONDS - started)) s"
}

case $mode in
x)
    xs_start_server 1024x768x24
    a11y_start_bus
    a11y_start_atspi
    a11y_start_app "$program"
    xs_find_window "$title"
    xs_settle_window
    expect_platform libqxcb
    # On a bare server the outer size is the client size; a window
    # manager's frame (XS_WM=openbox) is what it reports for the window.
    frame=(0 0)
    if declare -F xs_frame_extents >/dev/null; then
        extents=$(xs_frame_extents) || xs_fail "no frame extents for window $XS_WIN"
        read -r left right top bottom <<<"$extents"
        frame=($((left + right)) $((top + bottom)))
    fi
    read_program "X, window manager '${XS_WM:-none}'" --frame "${frame[@]}" "${soak[@]}"
    ;;
wayland)
    # No X display for anything started here (xs_start_app passes it on).
    DISPLAY=""
    a11y_start_bus
    a11y_start_atspi
    a11y_start_weston
    # Without decorations the window has no frame; Qt's default decoration
    # (bradient) draws a 3-pixel border on the left, right and bottom and a
    # 30-pixel title bar above the client area.
    for run in "QT_WAYLAND_DISABLE_WINDOWDECORATION=1:0 0" "decorated:6 33"; do
        setting=${run%%:*}
        read -r frame_w frame_h <<<"${run#*:}"
        echo "wayland, $setting:"
        vars=("${A11Y_WAYLAND_ENV[@]}")
        [[ $setting == decorated ]] || vars+=("$setting")
        a11y_start_app "${vars[@]}" /usr/bin/env -u DISPLAY "$program"
        a11y_wait_for "$XS_APP_PID" grep -q 'platforms/libqwayland' "/proc/$XS_APP_PID/maps" ||
            xs_fail "the program did not load Qt's Wayland platform"
        expect_platform libqwayland-generic
        read_program "wayland, $setting" --frame "$frame_w" "$frame_h"
        xs_stop_app
    done
    ;;
*)
    xs_fail "unknown mode '$mode'"
    ;;
esac
((${#failed[@]} == 0)) || xs_fail "checks failed in: ${failed[*]}"
echo "PASS"
