#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program;
# with the argument `windows`, those needed to build it for Windows and to
# test it under Wine instead. Safe to re-run: only missing packages are
# installed.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins
    libgl-dev libbenchmark-dev
    # fonts for the offscreen and X11 platforms
    fonts-dejavu-core
    # end-to-end tests: virtual X server, real input, screenshots
    xvfb xauth xdotool x11-utils x11-apps imagemagick dbus
    # real desktops: a window manager, a Wayland compositor and Qt's
    # Wayland platform, a screen reader's view through AT-SPI
    openbox weston qt6-wayland at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    # sanitizers and fuzzers
    clang libclang-rt-dev
    # packaging and its validators
    dpkg-dev file desktop-file-utils appstream
)
if [[ ${1:-} == windows ]]; then
    packages=(
        # Qt's host tools for the cross build, and the build itself
        cmake ninja-build qt6-base-dev g++-mingw-w64-x86-64-posix dpkg-dev
        # the tests under Wine, on a virtual X server with real input
        wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick
        # the installer
        nsis
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
updated=0

# Qt for Windows is built from Debian's source package: apt needs the
# source lists of the archives it already uses.
if [[ ${1:-} == windows ]] && ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d; then
    echo "Adding Debian's source lists"
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/velmorra-deb-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/velmorra-deb-src.list >/dev/null
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    updated=1
fi

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
((updated)) || "${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
