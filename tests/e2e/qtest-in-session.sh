#!/usr/bin/env bash
# Runs a widget test on the xcb platform of a fresh virtual X server:
#
#   qtest-in-session.sh <test-binary> [test arguments...]
#
# With XS_WM=openbox the server runs openbox, and the test is told so
# through VELMORRA_TEST_WM=1: a managed window is framed, resized and
# minimised by the window manager, asynchronously. The test's exit status
# is this script's.
set -euo pipefail

test_binary=$1
shift

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xs_trap
XS_WAIT_SECONDS=${XS_WAIT_SECONDS:-60}

[[ -x $test_binary ]] || xs_fail "no test at $test_binary"
xs_start_server 1920x1200x24
wm_hint=()
if xs_have_wm; then
    wm_hint=(VELMORRA_TEST_WM=1)
fi
xs_start_app "${wm_hint[@]}" "$test_binary" "$@"
rc=0
wait "$XS_APP_PID" || rc=$?
XS_APP_PID=""
cat "$XS_TMP/app.log"
exit "$rc"
