#!/usr/bin/env bash
# End to end on a virtual X server, with real X input:
#
#   lookup-test.sh <velmorra> <artifact-dir> <registry-host>
#
# Starts the program under Xvfb with a stand-in `xdg-open` first on PATH
# and checks that it opens at its design client size. Then clicks the
# (still empty) link label, types a model into the model box, clicks the
# first result row and then the link label: the stand-in must have been
# run once, with that device's registry address as its only argument.
# Clear then lists the whole catalogue again: its first row opens the
# first device's address; End moves to the last row without changing the
# label, and a click on that row opens the last device's. A screenshot of
# the window is kept in <artifact-dir>.
set -euo pipefail

program=$1
artifacts=$2
host=$3
title="Velmorra - by Quindrel"
model="1757-FFLD"
address() {
    echo "http://${host}/index.php?option=com_mtree&task=viewlink&link_id=$1&ffbstatus=Registered&Itemid=324"
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xs_trap

# Spots in the client area, in twips from the design layout: inside the
# model box (1560,720), the link label (1560,2640), the Clear button
# (8520,240) and the list (3120 down), far below its header.
click_twips() {
    xs_click "$(xs_px "$1")" "$(xs_px "$2")"
}
model_box=(1860 855)
link_label=(1860 2760)
clear_button=(8880 1380)
in_list=(900 5500)

[[ -x $program ]] || xs_fail "no program at $program"
xs_start_server 1024x768x24
tmp=$XS_TMP
mkdir -p "$artifacts" "$tmp/bin" "$tmp/opened"

# The stand-in browser: one file per run, holding its argument count and
# then each argument on its own line.
cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
out=\$(mktemp "$tmp/opened/run.XXXXXX")
{ echo "\$#"; for a in "\$@"; do printf '%s\n' "\$a"; done; } >"\$out.tmp"
mv "\$out.tmp" "\$out"
STUB
chmod +x "$tmp/bin/xdg-open"

# Clicks the link label and waits for the stand-in's one run, which must
# have opened exactly the given address.
expect_opened() {
    local expected=$1 i runs got
    click_twips "${link_label[@]}"
    for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
        compgen -G "$tmp/opened/run.??????" >/dev/null && break
        xs_alive
        sleep 0.1
    done
    # A round trip through the program's window: anything it was about to
    # open from an earlier click would have been started by now.
    xdotool getwindowgeometry "$win" >/dev/null
    sleep 0.5
    runs=("$tmp"/opened/run.??????)
    [[ -e ${runs[0]} ]] || xs_fail "xdg-open was not run within ${XS_WAIT_SECONDS}s"
    ((${#runs[@]} == 1)) || xs_fail "xdg-open ran ${#runs[@]} times: $(cat "${runs[@]}")"
    mapfile -t got <"${runs[0]}"
    rm "${runs[0]}"
    [[ ${got[0]} == 1 ]] || xs_fail "xdg-open got ${got[0]} arguments: ${got[*]:1}"
    [[ ${got[1]} == "$expected" ]] || xs_fail "opened '${got[1]}', expected '$expected'"
    echo "opened $expected"
}

# The y of the middle of the lowest highlighted row: the lowest run of
# strongly coloured pixels in a pixel column of the window through the
# Model column, right of short model names (the rows are white or grey).
highlighted_row_y() {
    local x height
    x=$(xs_px 4500)
    height=$(xwininfo -id "$win" | awk '/^  Height:/ {print $2}')
    import -window "$win" -crop "1x${height}+${x}+0" -depth 8 txt:- |
        awk -v top="$(xs_px 3120)" '
            NR > 1 {
                split($0, at, /[,:]/); y = at[2] + 0
                c = $0; sub(/^[^(]*\(/, "", c); split(c, v, /[,)]/)
                hi = v[1] + 0; lo = hi
                for (i = 2; i <= 3; i++) { hi = v[i] > hi ? v[i] + 0 : hi; lo = v[i] < lo ? v[i] + 0 : lo }
                if (y >= top && hi - lo > 60) { if (y != last + 1) first = y; last = y }
            }
            END { if (last) print int((first + last) / 2) }'
}

# The highlighted row's y once the list shows one other than at y $1
# (none: any); after two seconds, the one it shows, if any.
highlighted_row_y_other_than() {
    local y i
    for ((i = 0; i < 20; i++)); do
        y=$(highlighted_row_y)
        [[ -z $y || $y == "${1:-}" ]] || break
        sleep 0.1
    done
    echo "$y"
}

click_row_at() {
    [[ -n $1 ]] || xs_fail "no highlighted row"
    xs_click "$(xs_px 900)" "$1"
}

# The list's first row, wherever the header's height at this dpi puts it:
# a click into the list, Home to the first row, a click on that row. The
# first time the list holds a single row below which the click lands, so
# the first highlight to show is that row's: its place is kept. Later the
# row is clicked there once the highlight shows there, as screenshots may
# still show an earlier highlight.
first_row_y=""
click_first_row() {
    local y i
    click_twips "${in_list[@]}"
    xdotool key Home
    if [[ -z $first_row_y ]]; then
        first_row_y=$(highlighted_row_y_other_than)
    else
        for ((i = 0; i < 20; i++)); do
            y=$(highlighted_row_y)
            [[ $y != "$first_row_y" ]] || break
            sleep 0.1
        done
    fi
    click_row_at "$first_row_y"
}

xs_start_app PATH="$tmp/bin:/usr/bin:/bin" "$program"
xs_find_window "$title"
xs_alive
win=$XS_WIN
xs_settle_window
xs_focus_window

read -r width height < <(xwininfo -id "$win" | awk '/^  Width:/ {w=$2} /^  Height:/ {print w, $2}')
want_w=$(xs_px 9420) want_h=$(xs_px 6915)
((width - want_w <= 1 && want_w - width <= 1 && height - want_h <= 1 && want_h - height <= 1)) ||
    xs_fail "window opened at ${width}x${height}, not ${want_w}x${want_h} (the design client size)"
echo "client size ${width}x${height} at ${WINE_LOGPIXELS:-96} dpi"

# The label is empty after start-up: a click on it opens nothing, which
# the first expected run below checks (exactly one run).
click_twips "${link_label[@]}"
click_twips "${model_box[@]}"
xdotool type --delay 20 "$model"
# X delivers these in order and the program filters inside each key event,
# so the row is clicked only after the list holds the typed model's rows.
click_first_row
expect_opened "$(address 902)"

click_twips "${clear_button[@]}"
click_first_row
expect_opened "$(address 604)"
xdotool key End
sleep 0.5
expect_opened "$(address 604)"
click_row_at "$(highlighted_row_y_other_than "$first_row_y")"
expect_opened "$(address 574)"

import -window "$win" "$artifacts/e2e-lookup.png" || echo "warning: no screenshot" >&2
xs_alive
echo "screenshot: $artifacts/e2e-lookup.png"
