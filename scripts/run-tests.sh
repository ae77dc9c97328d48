#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite:
# the normal build, the sanitizer build, the fuzzers, and the Windows build
# under Wine (which builds Qt for Windows once, into a cache outside the
# checkout).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

stage() { printf '\n=== %s ===\n' "$*"; }

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

stage "windows (cross build, tests under Wine, packages)"
bash scripts/build-windows.sh
