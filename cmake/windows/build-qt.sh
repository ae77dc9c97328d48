#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows from Debian's own qt6-base
# source package, the same version as the host's Qt, whose tools (moc, rcc,
# uic) the cross build uses:
#
#   build-qt.sh <prefix>
#
# Only what the program and its tests need: Core, Gui, Widgets, Test and the
# windows, modernwindows (the Windows Vista and Windows 11 styles) and
# offscreen plugins, with Qt's bundled
# zlib, libpng, FreeType, HarfBuzz and PCRE2. The result is installed into
# <prefix>. The build happens in <prefix>.build, which a failed run leaves
# in place for the next run to carry on from.
set -euo pipefail

prefix=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchain=$here/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
work=$prefix.build
mkdir -p "$work"
cd "$work"

if [[ ! -f src/.ready ]]; then
    rm -rf src ./*.dsc ./*.tar.* ./*.deb wine-dev
    # Debian's source, patches applied. Apt's download user must be able
    # to write here.
    chmod 755 "$work"
    apt-get source -qq --download-only "qt6-base=$version" >/dev/null
    dpkg-source -x --no-check qt6-base_*.dsc src >/dev/null

    # Debian's source lacks Wacom's tablet headers, which the windows
    # platform plugin includes. Wine ships headers of the same interface,
    # written with two of Wine's own macros and without Wacom's API macro.
    apt-get download -qq libwine-dev >/dev/null
    dpkg-deb -x libwine-dev_*.deb wine-dev
    wintab=src/src/3rdparty/wintab
    mkdir -p $wintab
    cp wine-dev/usr/include/wine/wine/windows/wintab.h $wintab/wine-wintab.h
    cp wine-dev/usr/include/wine/wine/windows/pktdef.h $wintab/
    cat >$wintab/wintab.h <<'HEADER'
#include <windows.h>
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#ifndef API
#define API WINAPI
#endif
#include "wine-wintab.h"
HEADER
    touch src/.ready
fi

# The source is stripped of third-party files that Debian does not ship,
# whose attribution files a bill of materials would list: none is made.
cmake -S src -B build -G Ninja -Wno-dev \
    -DQT_GENERATE_SBOM=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF

cmake --build build
rm -rf "$prefix"
cmake --install build

# The compiler's runtime beside Qt's libraries, so that a program linked to
# them finds both in one folder.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$prefix/bin/"
done

cd /
rm -rf "$work"
