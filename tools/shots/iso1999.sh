#!/bin/sh
# The risk, predictions and damage-evolution calculators and their chart
# views, driven through fonexa.exe with the keyboard as a user would: each
# dialog, then every view; the risk also with a damage criterion chosen in
# its list and the graph's popup menu, the predictions' level chart with one
# curve chosen (key 3).
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"

# start KEY: Fonexa started (the pointer in a corner, where it raises no
# tooltip) and File, Nuovo, KEY chosen
start='xdotool mousemove 1020 760; wine "'"$exe"'" & sleep 11; wait_title Fonexa; start() { for k in alt+f n $1; do xdotool key $k; sleep 0.5; done; }'
# view LETTER: an item of Visualizza
view='view() { xdotool key alt+v; sleep 0.5; xdotool key $1; sleep 1.5; }'

session "
    $start
    $view
    start r
    wait_title 'Rischio di danno uditivo'
    shot iso1999-risk-dialog
    xdotool key Return; sleep 2
    shot iso1999-risk-table
    view g
    shot iso1999-risk-graph
    xdotool mousemove 640 400 click 3; sleep 1
    shot iso1999-risk-graph-popup
    xdotool key Escape; sleep 0.5
    start r
    wait_title 'Rischio di danno uditivo'
    for k in Tab Tab Tab Tab Tab Tab Tab Down Down Down Down; do xdotool key \$k; sleep 0.3; done
    shot iso1999-risk-dialog-damage
    xdotool key Return; sleep 2
    shot iso1999-risk-table-damage
    view g
    shot iso1999-risk-graph-damage
"

session "
    $start
    $view
    start p
    wait_title 'Previsioni ISO 1999/90'
    shot iso1999-predictions-dialog
    xdotool key Return; sleep 2
    shot iso1999-predictions-table
    view p
    shot iso1999-predictions-time
    view l
    shot iso1999-predictions-level
    xdotool key 3; sleep 1
    shot iso1999-predictions-level-one-curve
"

session "
    $start
    $view
    start v
    wait_title 'Previsioni ISO 1999/90'
    shot iso1999-evolution-dialog
    xdotool key Return; sleep 2
    shot iso1999-evolution-table
    view g
    shot iso1999-evolution-graph
"

# A long title (the biological table) on a narrow, tall screen, broken between its
# fields; then on paper: the graph printed by the GUI test of the long title
# on the tests' file printer, its PostScript page turned into PNG.
SCREEN=480x800x24 session "
    $start
    $view
    start v
    wait_title 'Previsioni ISO 1999/90'
    xdotool key alt+b; sleep 0.5
    xdotool key Return; sleep 2
    view g
    shot iso1999-evolution-graph-long-title
"
job="$build/printer/job.ps"
"$here/wine-run" "$build/wineprefix" "$build/tests/gui/gui_tests.exe" \
    --gtest_filter='EvolutionCalculator.TheLongTitlePrintsWhole*' >/dev/null 2>&1 || true
if [ -f "$job" ]; then
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r80 -dFirstPage=1 -dLastPage=1 \
       -sOutputFile="$out/iso1999-evolution-graph-printout.png" "$job"
fi
ls "$out"/iso1999-*.png
