#!/bin/sh
# The folder summary over 10,000 files under Wine with a warm wineserver and
# file cache:  bench-summary.sh BUILD_DIR [RUNS]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
prefix="$build/wineprefix"
"$here/wine-server.sh" start "$prefix"
"$here/wine-run" "$prefix" "$build/tests/e2e/summary_bench.exe" "--fonexa=$build/shell/fonexa.exe" \
    "--samples=$build/samples" "${2:-5}"
