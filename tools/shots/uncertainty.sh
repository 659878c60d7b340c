#!/bin/sh
# The uncertainty calculator with the welders' day of ISO 9612 annex D, its
# task dialog, and the main toolbar's button for it with its tooltip:
#   uncertainty.sh BUILD_DIR OUT_DIR
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"
samples="$build/shot-samples"
mkdir -p "$samples"
printf '[FONEXA]\r\nTipo=LIN\r\nCLASSE=2\r\nPICCO=128\r\nITEMS=3\r\n[COMPITO1]\r\nNOME=Riunioni e pause\r\nDURATA=1.5\r\nU1B=0\r\nITEMS=3\r\n1=70\r\n2=70\r\n3=70\r\n[COMPITO2]\r\nNOME=Saldatura\r\nDURATA=5\r\nU1B=1\r\nITEMS=3\r\n1=80.1\r\n2=82.2\r\n3=79.6\r\n[COMPITO3]\r\nNOME=Taglio e molatura\r\nDURATA=1.5\r\nU1B=0.5\r\nITEMS=6\r\n1=86.5\r\n2=92.4\r\n3=89.3\r\n4=93.2\r\n5=87.8\r\n6=86.2\r\n[NOTE]\r\n1=Saldatori, linea 2\r\nNum=1\r\n' > "$samples/saldatori.lin"

session "
    wine '$exe' '$(winpath "$samples/saldatori.lin")' &
    sleep 11
    wait_title 'Incertezza e classe'
    shot uncertainty
    xdotool key alt+d; wait_title Modifica; shot uncertainty-task
    xdotool key Escape; sleep 1
"
# The toolbar button, 17th entry: three buttons, a separator, three
# buttons, two separators (the view buttons are hidden in document mode),
# then Lep,d, Lep,w, Leq gruppi and this one.
session "
    wine '$exe' &
    sleep 12
    wait_title Fonexa
    eval \$(xdotool search --name '^Fonexa' getwindowgeometry --shell | tail -5)
    xdotool mousemove \$((X + 240)) \$((Y + 13)); sleep 2
    shot toolbar-uncertainty
"
