#!/usr/bin/env bash
# Start-up figures of the program against two baselines, on one virtual
# X server: a bare Qt window, and the same window holding one of each
# standard control the program uses (bare_window --widgets).
#
#   startup-compare.sh <velmorra> <bare_window> [runs]
#
# For each run, the time from starting the process until its window is
# mapped, and its peak resident memory (VmHWM) once the window is up. Runs alternate
# between the two programs; medians are printed.
set -euo pipefail

program=$1
bare=$2
runs=${3:-9}
wait_seconds=30

server_pid=""
app_pid=""
xev_pid=""
tmp=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-startup.XXXXXX")

cleanup() {
    local pid
    for pid in "$app_pid" "$xev_pid" "$server_pid"; do
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
    env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$tmp" \
        DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
        "$@" >"$tmp/app.log" 2>&1 &
    app_pid=$!
    until grep -q '^MapNotify' "$tmp/xev.log"; do
        kill -0 "$app_pid" 2>/dev/null || { echo "$exe ended: $(cat "$tmp/app.log")" >&2; exit 1; }
        (($(now_us) - start < wait_seconds * 1000000)) || { echo "$exe: no window" >&2; exit 1; }
        sleep 0.002
    done
    mapped=$(($(now_us) - start))
    kill "$xev_pid"
    wait "$xev_pid" 2>/dev/null || true
    xev_pid=""
    # Let it paint, then read the peak.
    sleep 0.5
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$app_pid/status")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    echo "$mapped $hwm"
}

median() { sort -n | awk '{v[NR] = $1} END {printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# One unmeasured start of each warms the file cache.
measure "$program" >/dev/null
measure "$bare" >/dev/null
measure "$bare" --widgets >/dev/null
: >"$tmp/program.txt"
: >"$tmp/bare.txt"
: >"$tmp/widgets.txt"
for ((r = 0; r < runs; r++)); do
    measure "$program" >>"$tmp/program.txt"
    measure "$bare" >>"$tmp/bare.txt"
    measure "$bare" --widgets >>"$tmp/widgets.txt"
done

column_median() { cut -d' ' -f"$2" "$tmp/$1.txt" | median; }
p_map=$(column_median program 1)
b_map=$(column_median bare 1)
w_map=$(column_median widgets 1)
p_mem=$(column_median program 2)
b_mem=$(column_median bare 2)
w_mem=$(column_median widgets 2)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "runs: $runs each"
echo "time to mapped window, median: velmorra $((p_map / 1000)) ms," \
    "bare Qt window $((b_map / 1000)) ms (ratio $(ratio "$p_map" "$b_map"))," \
    "standard controls $((w_map / 1000)) ms (ratio $(ratio "$p_map" "$w_map"))"
echo "peak resident memory, median: velmorra $p_mem kB," \
    "bare Qt window $b_mem kB (difference $((p_mem - b_mem)) kB)," \
    "standard controls $w_mem kB (difference $((p_mem - w_mem)) kB)"
