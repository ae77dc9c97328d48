#!/usr/bin/env bash
# Takes the README screenshot from a built program on a virtual X server.
# Builds nothing: pass the program, e.g. build/dev/app/velmorra.
#
#   scripts/make-screenshot.sh <velmorra> [output.png]
#
# The window is shown at its start-up size with every device listed; the
# first row is clicked so that the registry address appears in the link
# label. Default output: docs/screenshot.png.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:?usage: $0 <velmorra> [output.png]}")
output=$(realpath -m "${2:-$repo/docs/screenshot.png}")

source "$repo/tests/support/xsession.sh"
trap xs_cleanup EXIT

[[ -x $program ]] || xs_fail "no program at $program"
mkdir -p "$(dirname "$output")"

xs_start_server 1280x1024x24
xs_start_app "$program"
xs_find_window "Velmorra - by Quindrel"
xs_settle_window

# First row of the results list: the list starts 3120 twips (208 px at
# 96 dpi) below the top; one header line and half a row further down.
xdotool mousemove --window "$XS_WIN" 80 233 click 1
xdotool mousemove --window "$XS_WIN" 600 20
# Let the label and list repaint before grabbing the window.
xs_settle_window
sleep 0.5

import -window "$XS_WIN" -define png:exclude-chunk=date,time "$output"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
