#!/bin/sh
# wine-server.sh start|stop PREFIX: keeps one wineserver alive for a test run.
set -e
here=$(dirname "$0")
action=$1
prefix=$2
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
case "$action" in
    start)
        "$here/wine-prefix.sh" "$prefix" null
        wineserver -p
        ;;
    stop)
        wineserver -k 2>/dev/null || true
        ;;
    *) echo "usage: $0 start|stop PREFIX" >&2; exit 2 ;;
esac
