#!/bin/sh
# Starts Fonexa under Wine on the user's display:  run.sh BUILD_DIR [FILE]
# Its prefix is BUILD_DIR/wineprefix-x11; the default printer "PDF" turns
# every printed page into a PDF file in BUILD_DIR/printed.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "make run: no display to show Fonexa on (DISPLAY is not set): run it in a desktop session's terminal, or over \"ssh -X\"." >&2
    exit 1
fi
prefix="$build/wineprefix-x11"
"$here/wine-prefix.sh" "$prefix" x11
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$build/shell/fonexa.exe" ${2:+"$2"}
