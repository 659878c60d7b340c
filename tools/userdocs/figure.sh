#!/bin/sh
# The active window with its frame, as the screen shows it (a popup menu open
# over it included), into the PNG named:   figure.sh OUT.png
# Runs inside a shots session (DISPLAY set, openbox managing the windows):
# the client's place from xwininfo, the frame around it from the window
# manager's _NET_FRAME_EXTENTS (left, right, top, bottom).
set -e
out=$1
window=$(xdotool getactivewindow)
info=$(xwininfo -id "$window")
x=$(printf '%s\n' "$info" | awk '/Absolute upper-left X/ { print $NF }')
y=$(printf '%s\n' "$info" | awk '/Absolute upper-left Y/ { print $NF }')
w=$(printf '%s\n' "$info" | awk '/^ *Width:/ { print $NF }')
h=$(printf '%s\n' "$info" | awk '/^ *Height:/ { print $NF }')
set -- $(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,/ /g')
left=${1:-0}; right=${2:-0}; top=${3:-0}; bottom=${4:-0}
fx=$(( x - left )); [ $fx -ge 0 ] || fx=0
fy=$(( y - top )); [ $fy -ge 0 ] || fy=0
import -window root -crop "$(( w + left + right ))x$(( h + top + bottom ))+${fx}+${fy}" +repage "$out"
