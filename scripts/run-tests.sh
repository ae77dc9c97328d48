#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite:
# the normal build, the sanitizer build, the fuzzers, on a Debian 12 machine
# the normal build once more on Debian 13 (in a root kept in a cache outside
# the checkout), and the Windows build under Wine (which builds Qt for
# Windows once, into that cache).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

stage() { printf '\n=== %s (at %d s) ===\n' "$*" "$SECONDS"; }

stage "build (dev)"
cmake --preset dev
cmake --build --preset dev
stage "tests (dev)"
ctest --preset dev

stage "build (asan)"
cmake --preset asan
cmake --build --preset asan
stage "tests (asan)"
ctest --preset asan

stage "build (fuzz)"
cmake --preset fuzz
cmake --build --preset fuzz
stage "fuzz (bounded runs)"
ctest --preset fuzz

. /etc/os-release
if [[ ${VERSION_CODENAME:-} != trixie ]]; then
    stage "Debian 13: build and tests (dev), in a Debian 13 root"
    scripts/debian13.sh bash -c 'scripts/install-deps.sh &&
        cmake --preset debian13 && cmake --build --preset debian13 && ctest --preset debian13'
fi

stage "windows (cross build on Debian 13, tests under Wine, packages)"
bash scripts/build-windows.sh
