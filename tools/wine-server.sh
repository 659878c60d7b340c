#!/bin/sh
# wine-server.sh start|stop PREFIX: keeps one wineserver alive for a test run.
set -e
here=$(dirname "$0")
# Wine's server and services outlive this script: they must not inherit
# descriptors of the caller (build locks, pipes).
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
action=$1
prefix=$2
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
case "$action" in
    start)
        "$here/wine-prefix.sh" "$prefix" null
        # The server and Wine's background services outlive this script: they
        # must not hold the test runner's output pipes open.
        wineserver -p </dev/null >/dev/null 2>&1 || true  # may already be running
        wineboot </dev/null >/dev/null 2>&1 || true
        ;;
    stop)
        wineserver -k </dev/null >/dev/null 2>&1 || true
        ;;
    *) echo "usage: $0 start|stop PREFIX" >&2; exit 2 ;;
esac
