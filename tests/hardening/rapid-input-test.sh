#!/usr/bin/env bash
# Rapid input end to end, on a virtual X server with real X input:
#
#   rapid-input-test.sh <velmorra> <artifact-dir>
#
# Types a few hundred characters into the model box at full xdotool speed,
# deletes them again with as many BackSpaces, and checks that the program
# then shows the unfiltered list again and still answers: the top and the
# bottom of the list (rows and scroll bar) must look exactly as they did
# after start-up, and a short filter typed afterwards must show and go.
# Screenshots of any mismatch are kept in <artifact-dir>.
set -euo pipefail

program=$1
artifacts=$2
title="Velmorra - by Quindrel"

# Client-area positions at 96 dpi, from the design layout (15 twips a
# pixel): the model box at 1560,720; the list from 120,3120; the caption
# "Vendor:" at 120,240, a spot with nothing that reacts to the pointer.
model_box=(124 57)
list_inside=(300 300)
resting=(20 20)
list_top=200

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
XS_WAIT_SECONDS=${RAPID_WAIT_SECONDS:-90}

# A failed run keeps its screenshots for review.
finish() {
    local rc=$?
    ((rc == 0)) || cp "$XS_TMP"/*.png "$artifacts/" 2>/dev/null || true
    xs_cleanup
}
xs_trap finish

[[ -x $program ]] || xs_fail "no program at $program"
mkdir -p "$artifacts"
xs_start_server 1024x768x24
tmp=$XS_TMP

# No browser on the path: nothing typed here may open anything.
xs_start_app "$program"
xs_find_window "$title"
win=$XS_WIN
xs_focus_window

read -r width height < <(xdotool getwindowgeometry --shell "$win" |
    awk -F= '/^WIDTH/{w=$2} /^HEIGHT/{h=$2} END{print w, h}')
crop="${width}x$((height - list_top))+0+${list_top}"

# The list part of the window, once it has stopped changing.
shot() {
    local out=$1 prev="$tmp/prev.png" i
    import -window "$win" -crop "$crop" +repage "$prev"
    for ((i = 0; i < XS_WAIT_SECONDS * 4; i++)); do
        sleep 0.25
        import -window "$win" -crop "$crop" +repage "$out"
        [[ $(differing "$prev" "$out") == 0 ]] && return 0
        cp "$out" "$prev"
    done
    xs_fail "the window kept changing"
}

# Number of differing pixels.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Waits until the list looks like (or, with "not", unlike) a screenshot.
await() {
    local mode=$1 ref=$2 name=$3 i n
    for ((i = 0; i < XS_WAIT_SECONDS * 2; i++)); do
        xs_alive
        import -window "$win" -crop "$crop" +repage "$tmp/$name.png"
        n=$(differing "$ref" "$tmp/$name.png")
        if [[ $mode == same && $n == 0 ]] || [[ $mode == not && $n != 0 ]]; then
            return 0
        fi
        sleep 0.5
    done
    xs_fail "list $mode as $(basename "$ref") after ${XS_WAIT_SECONDS}s ($n pixels differ): $name"
}

# The wheel scrolls the list without selecting anything.
scroll_list() {
    xdotool mousemove --window "$win" "${list_inside[@]}" click --repeat 400 --delay 0 "$1"
    xdotool mousemove --window "$win" "${resting[@]}"
}

xs_click "${model_box[@]}"
xdotool mousemove --window "$win" "${resting[@]}"
shot "$tmp/start-top.png"
scroll_list 5
shot "$tmp/start-bottom.png"
scroll_list 4
await same "$tmp/start-top.png" "back-to-top"

# A few hundred characters at full speed: words, digits, blanks, signs.
text=""
while ((${#text} < 300)); do
    text+="Deltabar S EJX910 FF-2000 v4 0x452B48 (rev.2), 3051/T; "
done
text=${text:0:300}
xdotool type --delay 0 "$text"
await not "$tmp/start-top.png" "typed"
xdotool key --delay 0 --repeat $((${#text} + 10)) BackSpace

# Every character gone: the unfiltered list from its first to its last row.
await same "$tmp/start-top.png" "erased-top"
scroll_list 5
await same "$tmp/start-bottom.png" "erased-bottom"
scroll_list 4

# Still answering: a short filter shows, and goes again.
xdotool type --delay 0 "ZLK"
await not "$tmp/start-top.png" "probe"
xdotool key --delay 0 --repeat 3 BackSpace
await same "$tmp/start-top.png" "probe-erased"
xs_alive

echo "typed and erased ${#text} characters; unfiltered list back, program responsive"
