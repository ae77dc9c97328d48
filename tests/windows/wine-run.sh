#!/usr/bin/env bash
# Runs a Windows program under Wine, in place of running a Linux one:
#
#   wine-run.sh <program.exe> [args...]
#
# The X session helpers start the program through this launcher when
# XS_WINE names it. Wine hands a Windows program no variable whose name
# begins with QT_, but passes WINE<name> on as <name>: each QT_ variable
# goes on that way, and the session's xcb platform becomes Qt's windows
# platform. Wine's screen resolution (LogPixels) is set for every run,
# from WINE_LOGPIXELS (96 unless given), so that no run inherits another's;
# WINE_LOGPIXELS=keep leaves it as it is, for timed runs.
#
# Wine's desktop belongs to the display, or the lack of one, that its
# server's first program had: a server left from another session (a test
# on the offscreen platform, an earlier virtual X server) would give this
# program no windows. Each start therefore ends such a server first,
# except in timed runs (keep), which start on one server of their own.
set -euo pipefail
: "${WINEPREFIX:?no Wine prefix}"

if [[ ${QT_QPA_PLATFORM:-} == xcb ]]; then
    QT_QPA_PLATFORM=windows
fi
for v in $(compgen -e | grep '^QT_' || true); do
    export "WINE$v=${!v}"
    unset "$v"
done
if [[ ${WINE_LOGPIXELS:-} != keep ]]; then
    wineserver -k 2>/dev/null || true
    wineserver -w
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "${WINE_LOGPIXELS:-96}" /f >/dev/null 2>&1
    # Wine 10 reads the resolution once, as its session starts (Wine 8 read
    # it in each program): the program's own session starts after the change.
    wineserver -k 2>/dev/null || true
    wineserver -w
fi
exec wine "$@"
