#!/bin/sh
# The installer tests' own Wine prefix, apart from the other tests' prefix:
# they write HKLM, HKCR, the Start menu and the desktop. HOME is private too,
# since Wine links the prefix's desktop folder into $HOME.
#   setup-wine.sh BUILD_DIR start|stop
#   setup-wine.sh BUILD_DIR run program.exe [args]
set -e
here=$(cd "$(dirname "$0")/../../tools" && pwd)
build=$(cd "$1" && pwd)
action=$2
shift 2
export HOME="$build/setup-home"
mkdir -p "$HOME"
prefix="$build/setup-wineprefix"
case "$action" in
    start|stop) exec "$here/wine-server.sh" "$action" "$prefix" ;;
    run) exec "$here/wine-run" "$prefix" "$@" ;;
    *) echo "usage: $0 BUILD_DIR start|stop|run ..." >&2; exit 2 ;;
esac
