#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Safe to re-run: only missing packages are installed.
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

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
