#!/bin/sh
# The threshold-shift calculator and its chart views, driven through
# fonexa.exe with the keyboard and the mouse as a user would. For each of
# NIPTS, HTLA and HTLAN: the dialog, then Tabella, Grafico and Audiogramma;
# for HTLAN also the audiogram with one curve chosen (key 4) and a selection
# rectangle drawn with the mouse, the graph's popup menu and the comment
# asked before a chart is printed.
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"

for q in nipts htla htlan; do
    # File, Nuovo, Perdite, then the quantity's letter
    case $q in nipts) item=n ;; htla) item=h ;; htlan) item=t ;; esac
    extra=
    if [ $q = htlan ]; then
        extra="
        xdotool key 4; sleep 1
        xdotool mousemove 300 260 mousedown 1 mousemove 420 330 mousemove 560 420 mouseup 1
        shot charts-htlan-audiogram-selected
        xdotool key 0; sleep 0.5; xdotool key alt+v; sleep 0.5; xdotool key g; sleep 1
        xdotool mousemove 640 400 click 3
        shot charts-htlan-graph-popup
        xdotool key Escape; sleep 0.5
        xdotool key alt+f; sleep 0.5; xdotool key p
        wait_title 'Un commento per la stampa?'
        shot charts-print-comment
        xdotool key Escape"
    fi
    session "
        wine '$exe' &
        sleep 11
        wait_title Fonexa
        for k in alt+f n t $item; do xdotool key \$k; sleep 0.5; done
        wait_title 'Previsioni ISO 1999/90'
        shot charts-$q-dialog
        xdotool key Return; sleep 2
        shot charts-$q-table
        xdotool key alt+v; sleep 0.5; xdotool key g; sleep 1
        shot charts-$q-graph
        xdotool key alt+v; sleep 0.5; xdotool key a; sleep 1
        shot charts-$q-audiogram
        $extra
    "
done
