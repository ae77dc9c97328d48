#!/usr/bin/env bash
# End to end on a virtual X server, with real X input:
#
#   lookup-test.sh <velmorra> <artifact-dir> <registry-host>
#
# Starts the program under Xvfb with a stand-in `xdg-open` first on PATH,
# clicks the (still empty) link label, types a model into the model box,
# clicks the first result row and then the link label, and checks that the
# stand-in was run once, with the device's registry address as its only
# argument. A screenshot of the window is kept in <artifact-dir>.
set -euo pipefail

program=$1
artifacts=$2
host=$3
title="Velmorra - by Quindrel"
model="1757-FFLD"
expected="http://${host}/index.php?option=com_mtree&task=viewlink&link_id=902&ffbstatus=Registered&Itemid=324"

# Positions in the client area, from the design layout at 96 dpi (15 twips
# a pixel): the model box at 1560,720; the link label at 1560,2640; the
# list at 120,3120 whose first row sits below a header of 16-22 pixels and
# is at least 13 high, so y = 208 + 25 hits it.
model_box=(124 57)
link_label=(124 184)
first_row=(60 233)

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xs_trap

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

xs_start_app PATH="$tmp/bin:/usr/bin:/bin" "$program"
xs_find_window "$title"
xs_alive
win=$XS_WIN
xs_focus_window

# The label is empty after start-up: a click on it opens nothing.
xs_click "${link_label[@]}"
xs_click "${model_box[@]}"
xdotool type --delay 20 "$model"
# X delivers these in order and the program filters inside each key event,
# so the row is clicked only after the list holds the typed model's rows.
xs_click "${first_row[@]}"
xs_click "${link_label[@]}"

for ((i = 0; i < XS_WAIT_SECONDS * 10; i++)); do
    compgen -G "$tmp/opened/run.??????" >/dev/null && break
    xs_alive
    sleep 0.1
done
# A round trip through the program's window: anything it was about to open
# from the earlier click would have been started by now.
xdotool getwindowgeometry "$win" >/dev/null
import -window "$win" "$artifacts/e2e-lookup.png" || echo "warning: no screenshot" >&2

runs=("$tmp"/opened/run.??????)
[[ -e ${runs[0]} ]] || xs_fail "xdg-open was not run within ${XS_WAIT_SECONDS}s"
((${#runs[@]} == 1)) || xs_fail "xdg-open ran ${#runs[@]} times: $(cat "${runs[@]}")"
mapfile -t got <"${runs[0]}"
[[ ${got[0]} == 1 ]] || xs_fail "xdg-open got ${got[0]} arguments: ${got[*]:1}"
[[ ${got[1]} == "$expected" ]] || xs_fail "opened '${got[1]}', expected '$expected'"
xs_alive

echo "opened $expected"
echo "screenshot: $artifacts/e2e-lookup.png"
