#!/usr/bin/env bash
# Start-up figures of the program against three baselines, on one virtual
# X server: a bare Qt window, the same window with a stock table view of
# 520 rows and one text box (bare_window --table), and with one of each
# standard control the program uses (bare_window --widgets).
#
#   startup-compare.sh <velmorra> <bare_window> [runs]
#
# For each run, the time from starting the process until its window is
# mapped, and its peak resident memory (VmHWM) once the window is up. Runs
# alternate between the four; medians are printed.
set -euo pipefail

program=$1
bare=$2
runs=${3:-9}
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/xsession.sh"

xev_pid=""
finish() {
    if [[ -n $xev_pid ]]; then
        kill "$xev_pid" 2>/dev/null || true
        wait "$xev_pid" 2>/dev/null || true
    fi
    xs_cleanup
}
xs_trap finish
xs_start_server 1024x768x24
tmp=$XS_TMP

now_us() { echo $(($(date +%s%N) / 1000)); }

# Prints "<microseconds to map> <peak kB>" for one start of a command. The map is
# seen through one listening client (xev on the root window), so no
# polling connections load the server while the program starts.
measure() {
    local exe=$1 start hwm mapped
    xev -root -event substructure >"$tmp/xev.log" 2>&1 &
    xev_pid=$!
    sleep 0.3
    start=$(now_us)
    xs_start_app "$@"
    until grep -q '^MapNotify' "$tmp/xev.log"; do
        kill -0 "$XS_APP_PID" 2>/dev/null || xs_fail "$exe ended"
        (($(now_us) - start < XS_WAIT_SECONDS * 1000000)) || xs_fail "$exe: no window"
        sleep 0.002
    done
    mapped=$(($(now_us) - start))
    kill "$xev_pid"
    wait "$xev_pid" 2>/dev/null || true
    xev_pid=""
    # Let it paint, then read the peak.
    sleep 0.5
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$XS_APP_PID/status")
    xs_stop_app
    # One run's messages at a time, for the failure report.
    : >"$tmp/app.log"
    echo "$mapped $hwm"
}

median() { sort -n | awk '{v[NR] = $1} END {printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# One unmeasured start of each warms the file cache.
measure "$program" >/dev/null
measure "$bare" >/dev/null
measure "$bare" --widgets >/dev/null
measure "$bare" --table >/dev/null
: >"$tmp/program.txt"
: >"$tmp/bare.txt"
: >"$tmp/widgets.txt"
: >"$tmp/table.txt"
for ((r = 0; r < runs; r++)); do
    measure "$program" >>"$tmp/program.txt"
    measure "$bare" >>"$tmp/bare.txt"
    measure "$bare" --table >>"$tmp/table.txt"
    measure "$bare" --widgets >>"$tmp/widgets.txt"
done

column_median() { cut -d' ' -f"$2" "$tmp/$1.txt" | median; }
p_map=$(column_median program 1)
b_map=$(column_median bare 1)
w_map=$(column_median widgets 1)
t_map=$(column_median table 1)
p_mem=$(column_median program 2)
b_mem=$(column_median bare 2)
w_mem=$(column_median widgets 2)
t_mem=$(column_median table 2)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "runs: $runs each"
echo "time to mapped window, median: velmorra $((p_map / 1000)) ms," \
    "bare Qt window $((b_map / 1000)) ms (ratio $(ratio "$p_map" "$b_map")),"
echo "    table and text box $((t_map / 1000)) ms (ratio $(ratio "$p_map" "$t_map"))," \
    "standard controls $((w_map / 1000)) ms (ratio $(ratio "$p_map" "$w_map"))"
echo "peak resident memory, median: velmorra $p_mem kB," \
    "bare Qt window $b_mem kB (difference $((p_mem - b_mem)) kB),"
echo "    table and text box $t_mem kB (difference $((p_mem - t_mem)) kB)," \
    "standard controls $w_mem kB (difference $((p_mem - w_mem)) kB)"
