#!/usr/bin/env bash
# Builds the program for 64-bit Windows on Debian 13, tests it under Wine
# and packs it as a portable ZIP and an NSIS installer (both in
# build/windows/packages/). Installs the Debian packages it needs first.
# On an older Debian it runs itself in the Debian 13 root that
# scripts/debian13.sh keeps, so that the program ships Debian 13's Qt
# (the 6.8 LTS line) and MinGW-w64, and is tested under its Wine.
#
# Qt for Windows is built once from Debian's own qt6-base source into
# ${VELMORRA_CACHE:-${XDG_CACHE_HOME:-~/.cache}/velmorra}/, outside the
# checkout, and reused by later runs until its recipe changes. Nothing
# prebuilt is downloaded. Wine is not Windows: the tests say what the
# program does under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

. /etc/os-release
if [[ ${VERSION_CODENAME:-} != trixie ]]; then
    exec scripts/debian13.sh scripts/build-windows.sh "$@"
fi

scripts/install-deps.sh windows

stage() { printf '\n=== %s ===\n' "$*"; }

cache=${VELMORRA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmorra}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
recipe=$(cat cmake/windows/build-qt.sh cmake/windows/mingw-w64-x86_64.cmake | sha256sum | cut -c1-12)
qt=$cache/qt-${qt_version//[^0-9A-Za-z.]/_}-mingw64-$recipe
if [[ ! -f $qt/.complete ]]; then
    stage "Qt for Windows (once, into $qt)"
    mkdir -p "$cache"
    # Builds of an older recipe or Qt version make way; a failed build of
    # this one is carried on.
    for old in "$cache"/qt-*; do
        [[ $old == "$qt" || $old == "$qt.build" ]] || rm -rf "$old"
    done
    start=$SECONDS
    bash cmake/windows/build-qt.sh "$qt"
    touch "$qt/.complete"
    echo "Qt built in $((SECONDS - start)) s, $(du -sh "$qt" | cut -f1) installed"
fi
export VELMORRA_WINDOWS_QT=$qt
echo "Qt for Windows: $qt"

stage "build (windows)"
cmake --preset windows
cmake --build --preset windows
stage "tests (windows, under Wine)"
ctest --preset windows
stage "packages (windows)"
cpack --preset windows
ls -l build/windows/packages/velmorra-*-win64.*
