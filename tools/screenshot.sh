#!/bin/sh
# Takes a screenshot of Fonexa under Xvfb:
#   screenshot.sh BUILD_DIR OUT.png [FILE_TO_OPEN] [SECONDS]
# FILE_TO_OPEN (a Windows or Unix path) is handed to fonexa.exe, which opens
# its calculator; the picture is taken after SECONDS (default 7: the splash
# stays 4 s).
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
file=${3:-}
seconds=${4:-7}
prefix="$build/wineprefix-x11"
"$here/wine-prefix.sh" "$prefix" x11
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Unix path is on Wine's drive Z:. (winepath here would start Wine's
# services outside the X server.)
case "$file" in /*) file="Z:$(printf '%s' "$file" | tr / '\\\\')" ;; esac
xvfb-run -a -s '-screen 0 1024x768x24' sh -c "
    wine '$build/shell/fonexa.exe' '$file' &
    sleep $seconds
    import -window root '$out'
    wineserver -k
" </dev/null
echo "$out"
