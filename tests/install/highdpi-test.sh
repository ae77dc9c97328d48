#!/usr/bin/env bash
# High-DPI check of the real program on a virtual X server.
#
#   highdpi-test.sh <velmorra> <artifact-dir> [min-controls]
#
# Runs the program twice, at device scale 1 and 2 (QT_SCALE_FACTOR), with
# every widget backed by its own X window (QT_USE_NATIVE_WINDOWS), so that
# the X server itself reports where each control sits. At scale 2 the
# window and every visible control must be twice as large and twice as far
# from the window's corner as at scale 1: the twips layout works in logical
# pixels and the scale only multiplies them. Both screenshots are kept in
# <artifact-dir> for review.
set -euo pipefail

program=$1
artifacts=$2
min_controls=${3:-14}
title="Velmorra - by Quindrel"
# Logical positions are whole pixels, so scale 2 should double them
# exactly; allow a pixel either way for rounding inside the toolkit.
tolerance=2

source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xs_trap

[[ -x $program ]] || xs_fail "no program at $program"
mkdir -p "$artifacts"
xs_start_server 2560x1600x24

# Prints "<width> <height>" of the window, then one line
# "<width> <height> <x> <y>" per viewable child window, in stacking order,
# with x and y measured from the window's top-left corner.
measure() {
    local info wx wy id line
    info=$(xwininfo -id "$XS_WIN")
    wx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    wy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}' <<<"$info"
    xwininfo -tree -id "$XS_WIN" | awk '$1 ~ /^0x[0-9a-f]+$/' | while read -r line; do
        id=${line%% *}
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
        # "... 609x241+8+208  +8+208": size and position in the parent,
        # then the absolute position.
        awk -v wx="$wx" -v wy="$wy" '{
            n = split($(NF-1), g, /[x+]/); split($NF, a, /[+]/)
            print g[1], g[2], a[2] - wx, a[3] - wy
        }' <<<"$line"
    done
}

run_at_scale() {
    local scale=$1
    xs_start_app QT_USE_NATIVE_WINDOWS=1 QT_SCALE_FACTOR="$scale" "$program"
    xs_find_window "$title"
    xs_settle_window
    measure >"$XS_TMP/scale$scale.txt"
    import -window "$XS_WIN" "$artifacts/highdpi-scale$scale.png"
    xs_stop_app
}

run_at_scale 1
run_at_scale 2

echo "window and controls at scale 1 and 2 (w h x y):"
paste -d'|' "$XS_TMP/scale1.txt" "$XS_TMP/scale2.txt"

awk -v tol="$tolerance" -v min="$min_controls" '
    NR == FNR { one[FNR] = $0; n1 = FNR; next }
    { two[FNR] = $0; n2 = FNR }
    END {
        bad = 0
        if (n1 != n2) { printf "FAIL: %d windows at scale 1, %d at scale 2\n", n1, n2; exit 1 }
        if (n1 - 1 < min) { printf "FAIL: only %d controls seen, expected at least %d\n", n1 - 1, min; exit 1 }
        for (i = 1; i <= n1; i++) {
            k = split(one[i], a, " "); split(two[i], b, " ")
            for (j = 1; j <= k; j++) {
                d = b[j] - 2 * a[j]
                if (d > tol || d < -tol) {
                    printf "FAIL: %s %s: \"%s\" at scale 1 but \"%s\" at scale 2\n",
                        (i == 1 ? "window" : "control " i - 1), (j <= 2 ? "size" : "position"), one[i], two[i]
                    bad = 1
                    break
                }
            }
        }
        if (bad) exit 1
        printf "window and %d controls keep their place at scale 2\n", n1 - 1
    }' "$XS_TMP/scale1.txt" "$XS_TMP/scale2.txt"

# How alike the two screenshots look once the scale-2 one is halved
# (0 = identical); text hinting differs between sizes, so this is a figure
# for review, not a pass mark.
halved="$XS_TMP/scale2-halved.png"
convert "$artifacts/highdpi-scale2.png" -resize 50% "$halved"
echo "screenshot difference after halving (normalised RMSE):" \
    "$(compare -metric RMSE "$artifacts/highdpi-scale1.png" "$halved" null: 2>&1 || true)"
echo "screenshots: $artifacts/highdpi-scale1.png $artifacts/highdpi-scale2.png"
