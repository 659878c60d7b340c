#!/bin/sh
# Median time from starting fonexa.exe to its main window shown, under Wine
# with a warm wineserver:  bench-startup.sh BUILD_DIR [RUNS]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
prefix="$build/wineprefix"
"$here/wine-server.sh" start "$prefix"
"$here/wine-run" "$prefix" "$build/tests/e2e/startup_bench.exe" "--fonexa=$build/shell/fonexa.exe" "${2:-10}"
