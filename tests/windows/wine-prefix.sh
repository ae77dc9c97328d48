#!/usr/bin/env bash
# Makes the Wine prefix that the Windows tests share, once per build tree:
#
#   wine-prefix.sh <prefix>
#
# Wine's own fonts go into the prefix's Fonts folder, where Windows keeps
# them, or Qt finds only a serif face. The server stays up for half a
# minute after its last program, so that each test does not pay for
# starting it.
set -euo pipefail

export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
if [[ ! -f $WINEPREFIX/.velmorra-ready ]]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.velmorra-ready"
fi
# A server already up for this prefix says so and stays as it is. Wine's
# own services start here, not inside the first test.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wineboot </dev/null >/dev/null 2>&1
