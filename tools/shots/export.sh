#!/bin/sh
# Export and clipboard, driven through fonexa.exe with the keyboard and the
# mouse:   export.sh BUILD_DIR OUT_DIR
# A ".lep" named on the command line opens the daily calculator; its report
# is copied ("C&opia") and pasted into the report document (Shift+Ins); then
# the HTLAN graph is copied with a selection rectangle drawn (Ctrl+Ins),
# saved through "Sa&lva con nome..." (the bitmap filter; the saved file is
# shown too), and pasted into the document after the report (Wine's rich-edit
# control takes no bitmaps: the "Impossibile incollare gli appunti" box).
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
printf '[FONEXA]\r\nTipo=LEPD\r\nTFORM=2\r\nITEMS=3\r\n[LEQ]\r\n1=92.5\r\n2=85\r\n3=78\r\n[TIME]\r\n1=2\r\n2=4\r\n3=2\r\n[NOTE]\r\n1=Reparto presse, linea 2\r\nNum=1\r\n' \
    >"$data/turno.lep"
lep=$(winpath "$data/turno.lep")
bmp=$(winpath "$data/grafico.bmp")

session "
    wine '$exe' '$lep' &
    sleep 11
    wait_title 'Calcolo Lep,d'
    xdotool key alt+f; sleep 0.5; xdotool key o; sleep 0.5
    xdotool key alt+f; sleep 0.5; xdotool key c; sleep 1
    window=\$(xdotool search --name 'Fonexa' | head -1)
    eval \$(xdotool getwindowgeometry --shell \$window)
    xdotool mousemove \$((X + 300)) \$((Y + 200)) click 1
    xdotool type 'Relazione sul reparto presse'; xdotool key Return Return
    xdotool key shift+Insert; sleep 1
    shot export-document-report
    for k in alt+f n t t; do xdotool key \$k; sleep 0.5; done
    wait_title 'Previsioni ISO 1999/90'
    xdotool key Return; sleep 2
    xdotool key alt+v; sleep 0.5; xdotool key g; sleep 1
    xdotool mousemove 200 200 mousedown 1 mousemove 420 330 mousemove 600 480 mouseup 1
    sleep 0.5
    xdotool key ctrl+Insert; sleep 1
    shot export-graph-selection
    # Down to Sa&lva con nome...: Wine runs the first item of a repeated
    # access key, and Riepi&logo cartella... comes first.
    xdotool key alt+f; sleep 0.5; xdotool key Down Down Down Down Return
    wait_title 'Salvataggio file di dati'
    shot export-save-bitmap
    xdotool type '$bmp'; xdotool key Return; sleep 2
    shot export-graph-saved
    xdotool key ctrl+F4; sleep 2
    window=\$(xdotool search --name 'Fonexa' | head -1)
    eval \$(xdotool getwindowgeometry --shell \$window)
    xdotool mousemove \$((X + 300)) \$((Y + 200)) click 1
    xdotool key ctrl+End shift+Insert; sleep 1
    shot export-document-chart
"
# The saved file itself: the whole chart area, without the rectangle.
convert "$data/grafico.bmp" "$out/export-file.png"
echo "$out/export-file.png $out/export-graph-saved.png $out/export-document-report.png $out/export-graph-selection.png $out/export-save-bitmap.png $out/export-document-chart.png"
