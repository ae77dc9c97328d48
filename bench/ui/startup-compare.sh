#!/usr/bin/env bash
# Start-up figures of the program against four baselines, on one virtual
# X server: a bare Qt window, the same window with a stock table view of
# 520 rows and one text box (bare_window --table), with one of each
# standard control the program uses (bare_window --widgets), and with the
# program's own fourteen controls built from stock Qt parts
# (bare_window --same-controls), the one the program should match.
#
#   startup-compare.sh <velmorra> <bare_window> [runs]
#
# For each run, the time from starting the process until its window is
# mapped, the processor time the process had used by then (from
# /proc/<pid>/schedstat, which other load on the machine barely moves), and
# its peak resident memory (VmHWM) once the window is up. Runs alternate
# between the five; medians are printed.
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

# Prints "<microseconds to map> <peak kB> <processor microseconds>" for one
# start of a command. The map is
# seen through one listening client (xev on the root window), so no
# polling connections load the server while the program starts.
measure() {
    local exe=$1 start hwm mapped cpu
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
    cpu=$(awk '{printf "%d", $1 / 1000}' "/proc/$XS_APP_PID/schedstat")
    kill "$xev_pid"
    wait "$xev_pid" 2>/dev/null || true
    xev_pid=""
    # Let it paint, then read the peak.
    sleep 0.5
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$XS_APP_PID/status")
    xs_stop_app
    # One run's messages at a time, for the failure report.
    : >"$tmp/app.log"
    echo "$mapped $hwm $cpu"
}

median() { sort -n | awk '{v[NR] = $1} END {printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# The baselines, each a bare_window mode ("" for the bare window).
names=(bare table widgets same)
declare -A mode=([bare]="" [table]=--table [widgets]=--widgets [same]=--same-controls)
declare -A label=([bare]="bare Qt window" [table]="table and text box"
    [widgets]="standard controls" [same]="same controls, stock Qt")
run_one() {
    if [[ $1 == program ]]; then
        measure "$program"
    else
        measure "$bare" ${mode[$1]:+"${mode[$1]}"}
    fi
}

# One unmeasured start of each warms the file cache.
for n in program "${names[@]}"; do
    run_one "$n" >/dev/null
    : >"$tmp/$n.txt"
done
for ((r = 0; r < runs; r++)); do
    for n in program "${names[@]}"; do
        run_one "$n" >>"$tmp/$n.txt"
    done
done

column_median() { cut -d' ' -f"$2" "$tmp/$1.txt" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
p_map=$(column_median program 1)
p_mem=$(column_median program 2)
p_cpu=$(column_median program 3)
echo "runs: $runs each, medians"
echo "velmorra: mapped after $((p_map / 1000)) ms, $((p_cpu / 1000)) ms of processor time;" \
    "peak resident memory $p_mem kB"
for n in same bare table widgets; do
    map=$(column_median "$n" 1)
    mem=$(column_median "$n" 2)
    cpu=$(column_median "$n" 3)
    echo "  against ${label[$n]}: $((map / 1000)) ms (velmorra $(ratio "$p_map" "$map")x)," \
        "$((cpu / 1000)) ms of processor time (velmorra $(ratio "$p_cpu" "$cpu")x)," \
        "$mem kB (velmorra $((p_mem - mem)) kB more)"
done
