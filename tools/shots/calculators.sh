#!/bin/sh
# The main window, its menus, the information box, the calculators that
# stand with a sample file, their entry and file dialogs.
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"
samples="$build/shot-samples"
mkdir -p "$samples"
printf '[FONEXA]\r\nTipo=LEPD\r\nLAEQ=87.4\r\nTOTTIME=8.00\r\nLEPD=87.4\r\nTFORM=2\r\nITEMS=3\r\n[LEQ]\r\n1=90\r\n2=80\r\n3=85\r\n[TIME]\r\n1=4\r\n2=3\r\n3=1\r\n[NOTE]\r\n1=Reparto presse, turno del mattino\r\nNum=1\r\n' > "$samples/turno.lep"
printf '[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=80\r\n250=82\r\n500=84\r\n1000=85\r\n2000=83\r\n4000=80\r\n8000=75\r\n[NOTE]\r\n1=Pressa 3\r\nNum=1\r\n' > "$samples/pressa.spr"
printf '[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=15\r\n250=20\r\n500=25\r\n1000=30\r\n2000=35\r\n4000=38\r\n8000=36\r\n[NOTE]\r\n1=Cuffia modello A\r\nNum=1\r\n' > "$samples/cuffia.spi"

session "
    wine '$exe' &
    sleep 12
    wait_title Fonexa
    shot main-window
    xdotool key alt+f; shot menu-file
    xdotool key Escape Escape alt+m; shot menu-modifica
    xdotool key Escape Escape alt+m Right Right Down; shot menu-help
    xdotool key i; sleep 2; shot info-box
"
session "
    wine '$exe' '$(winpath "$samples/turno.lep")' &
    sleep 11
    wait_title 'Calcolo Lep,d'
    shot lepd
    xdotool key alt+a; wait_title Aggiungi; shot lepd-entry
    xdotool key Escape; sleep 1
    xdotool key alt+f; shot lepd-menu-file
    xdotool key a; wait_title 'Caricamento file di dati'; shot lepd-open-dialog
"
session "
    wine '$exe' '$(winpath "$samples/pressa.spr")' &
    sleep 11
    wait_title 'Spettro'
    shot noise-spectrum
    xdotool key alt+f; xdotool key l; wait_title 'Salvataggio file di dati'; shot noise-spectrum-save-dialog
"
session "
    wine '$exe' '$(winpath "$samples/cuffia.spi")' &
    sleep 11
    shot attenuation-spectrum
"
