#!/bin/sh
# Median time of each chart painter repainting a 1280 x 1024 DIB section,
# under Wine with a warm wineserver:  bench-charts.sh BUILD_DIR [RUNS]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
prefix="$build/wineprefix"
"$here/wine-server.sh" start "$prefix"
"$here/wine-run" "$prefix" "$build/tests/gui/chart_bench.exe" "${2:-200}"
