#!/usr/bin/env bash
# The Windows installer under Wine: builds it with CPack, installs it
# silently, starts the installed program on a virtual X server and waits
# for its window, uninstalls it silently and checks that nothing is left:
# no program folder, no Start-menu entry, no entry in the list of
# installed programs.
#
#   installer-test.sh <build-dir>
#
# Runs in the Wine prefix named by WINEPREFIX.
set -euo pipefail

build=$(cd "$1" && pwd)
title="Velmorra - by Quindrel"
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-nsis.XXXXXX")
cleanup() {
    xs_cleanup
    rm -rf "$work"
}
xs_trap cleanup

drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Velmorra"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmorra"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmorra'
[[ ! -e $folder ]] || xs_fail "$folder is there before installing"

cpack --config "$build/CPackConfig.cmake" -G NSIS64 -B "$work" >"$work/cpack.log" ||
    xs_fail "cpack failed: $(cat "$work/cpack.log")"
installer=("$work"/velmorra-*-win64.exe)
[[ -f ${installer[0]} ]] || xs_fail "no installer in $work"

# Everything on one X server: Wine's desktop process starts with the first
# program and serves the later ones on the same display.
xs_start_server 1024x768x24
wine "${installer[0]}" /S
for f in velmorra.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qmodernwindowsstyle.dll libstdc++-6.dll Uninstall.exe; do
    [[ -f $folder/$f ]] || xs_fail "not installed: $f"
done
[[ -f $menu/Velmorra.lnk ]] || xs_fail "no Start-menu entry: $(ls -R "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs")"
wine reg query "$uninstall_key" >/dev/null 2>&1 || xs_fail "not in the list of installed programs"
echo "installed into C:\\Program Files\\Velmorra"

xs_start_app "$folder/velmorra.exe"
xs_find_window "$title"
echo "the installed program shows its window"
xs_stop_app

# The uninstaller copies itself away and runs from there, removing the
# folder before the Start-menu entry and the registry key: wait for all.
uninstalled() {
    [[ ! -e $folder && ! -e $menu ]] && ! wine reg query "$uninstall_key" >/dev/null 2>&1
}
wine "$folder/Uninstall.exe" /S
for ((i = 0; i < XS_WAIT_SECONDS * 2; i++)); do
    uninstalled && break
    sleep 0.5
done
[[ ! -e $folder ]] || xs_fail "left behind: $(find "$folder")"
[[ ! -e $menu ]] || xs_fail "Start-menu entry left behind"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || xs_fail "still in the list of installed programs"
echo "uninstalled, nothing left"
