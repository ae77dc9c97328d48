#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time on a scratch copy of its seed
# corpus, so the repository's corpus is never written. A failing input is
# kept under the given artifact prefix.
#   run-fuzzer.sh <fuzzer> <seed dir> <seconds> <artifact prefix>
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3 artifacts=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/velmorra-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R "$seeds/." "$work/"
mkdir -p "$(dirname "$artifacts")"

"$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$artifacts-" "$work"
