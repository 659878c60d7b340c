#!/bin/sh
# Starts Fonexa under Wine on the user's display:  run.sh BUILD_DIR [FILE]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "make run: there is no display to show Fonexa on (DISPLAY is not set)." >&2
    echo "Run it from a desktop session, or take a screenshot without one:" >&2
    echo "    tools/screenshot.sh $1 fonexa.png" >&2
    exit 1
fi
prefix="$build/wineprefix-x11"
"$here/wine-prefix.sh" "$prefix" x11
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$build/shell/fonexa.exe" ${2:+"$2"}
