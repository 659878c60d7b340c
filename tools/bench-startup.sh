#!/bin/sh
# Start-up under Wine with a warm wineserver: the median time from starting
# fonexa.exe and the two minimal window programs to their main window shown,
# the ratios, and fonexa's start-up step by step:
#   bench-startup.sh BUILD_DIR [RUNS]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
prefix="$build/wineprefix"
"$here/wine-server.sh" start "$prefix"
"$here/wine-run" "$prefix" "$build/tests/e2e/startup_bench.exe" "--fonexa=$build/shell/fonexa.exe" "${2:-15}"
