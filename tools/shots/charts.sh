#!/bin/sh
# Screenshots of the threshold-shift calculator and its chart views, driven
# through fonexa.exe with the keyboard and the mouse as a user would:
#   charts.sh BUILD_DIR OUT_DIR
# For each of NIPTS, HTLA and HTLAN: the dialog, then Tabella, Grafico and
# Audiogramma; for HTLAN also the audiogram with one curve chosen (key 4)
# and a selection rectangle drawn with the mouse.
set -e
tools=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
prefix="$build/wineprefix-x11"
"$tools/wine-prefix.sh" "$prefix" x11
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
export FONEXA_EXE="$build/shell/fonexa.exe" SHOTS="$out"

session='
set -e
openbox >/dev/null 2>&1 &
sleep 1
shot() { sleep 2; import -window root "$SHOTS/charts-$1.png"; }
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.4; done; }
for q in nipts htla htlan; do
    wine "$FONEXA_EXE" &
    sleep 10
    # File, Nuovo, Perdite, then the quantity
    case $q in nipts) item=n ;; htla) item=h ;; htlan) item=t ;; esac
    keys alt+f n t $item
    shot "$q-dialog"
    keys Return
    shot "$q-table"
    keys alt+v g
    shot "$q-graph"
    keys alt+v a
    shot "$q-audiogram"
    if [ $q = htlan ]; then
        keys 4
        xdotool mousemove 300 260 mousedown 1 mousemove 420 330 mousemove 560 420 mouseup 1
        shot htlan-audiogram-selected
        keys 0 alt+v g
        xdotool mousemove 640 400 click 3
        shot htlan-graph-popup
        keys Escape
    fi
    wineserver -k || true
    sleep 1
done
'
xvfb-run -a -s '-screen 0 1024x768x24' sh -c "$session" </dev/null
ls "$out"/charts-*.png
