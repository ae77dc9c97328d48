#!/usr/bin/env bash
# Start-up work of the program against the bare_window baselines, counted
# rather than timed, so that a busy machine gives the same figures: the
# instructions callgrind counts from main up to the window's first expose
# (dumped as the expose arrives), on one virtual X server. Native builds
# only.
#
#   startup-instructions.sh <velmorra> <bare_window> [callgrind options...]
#
# The profiles stay in the directory named by KEEP_PROFILES, when set, for
# callgrind_annotate.
set -euo pipefail

program=$1
bare=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/xsession.sh"
xs_trap
xs_start_server 1024x768x24
tmp=$XS_TMP

# Prints the instruction count of one start of a command.
count() {
    local name=$1 out i
    shift
    out=$tmp/callgrind.$name
    xs_start_app valgrind --tool=callgrind --callgrind-out-file="$out" \
        --collect-atstart=no --toggle-collect=main \
        '--dump-before=QXcbWindow::handleExposeEvent*' "${extra[@]}" "$@"
    # callgrind writes the totals last.
    for ((i = 0; i < 6000; i++)); do
        [[ -f $out.1 ]] && grep -q '^totals:' "$out.1" && break
        kill -0 "$XS_APP_PID" 2>/dev/null || xs_fail "$name ended before its first expose"
        sleep 0.1
    done
    xs_stop_app
    [[ -f $out.1 ]] || xs_fail "$name: no expose within 10 minutes"
    : >"$tmp/app.log"
    [[ -z ${KEEP_PROFILES:-} ]] || cp "$out.1" "$KEEP_PROFILES/callgrind.$name"
    awk '/^totals:/ {print $2}' "$out.1"
}

extra=("$@")
p=$(count velmorra "$program")
echo "instructions from main to the first expose: velmorra $p"
for m in same-controls bare table widgets; do
    args=()
    [[ $m == bare ]] || args=("--$m")
    b=$(count "$m" "$bare" "${args[@]}")
    awk -v n="$m" -v p="$p" -v b="$b" 'BEGIN {
        printf "  bare_window %-14s %12d (velmorra %.3fx, %+d)\n", n, b, p / b, p - b }'
done
