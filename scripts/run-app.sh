#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmorra
exec build/dev/app/velmorra
