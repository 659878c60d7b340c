#!/bin/sh
# The protector selection wizard: every page, reached from a ".dpi" file
# named on the command line and then by opening files of the other methods
# on the method pages (each load moves the wizard to its method's page).
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"
samples="$build/shot-samples"
mkdir -p "$samples"
# dpi METHOD FILE: a selection with every value filled, of the method.
dpi() {
    printf '[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85.0\r\nLIVEFF=60.0\r\nR1=0\r\nR2=1\r\nLAEQ=1\r\nLCEQ=1\r\nBDO=1\r\nMETODO=%s\r\n[NOISE]\r\n125=80.0\r\n250=82.0\r\n500=84.0\r\n1000=85.0\r\n2000=83.0\r\n4000=80.0\r\n8000=75.0\r\nA=88.0\r\nC=90.5\r\nCLASSE=0\r\n[ATT]\r\n125=15.0\r\n250=20.0\r\n500=25.0\r\n1000=30.0\r\n2000=35.0\r\n4000=38.0\r\n8000=36.0\r\nH=34.0\r\nM=28.0\r\nL=22.0\r\nSNR=31.0\r\n[NOTE]\r\n1=Reparto presse, linea 4\r\nNum=1\r\n' "$1" > "$samples/$2"
}
dpi 5 banda.dpi
dpi 2 snr.dpi
dpi 1 snrcorretto.dpi
dpi 3 controllo.dpi
dpi 4 hml.dpi
# A file of other values and no METODO: loaded on a method page, it fills the
# page, which stays.
printf '[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85.0\r\nLIVEFF=0.0\r\nR1=1\r\nR2=1\r\nLAEQ=1\r\nLCEQ=1\r\nBDO=0\r\n[NOISE]\r\nA=94.5\r\nC=97.0\r\n[ATT]\r\nH=30.0\r\nM=24.0\r\nL=19.0\r\nSNR=27.0\r\n' > "$samples/senzametodo.dpi"

# open_file FILE: "A&pri..." on the current page, the file typed, the
# method-change message shown and answered.
session "
    open_file() {
        xdotool key alt+p; wait_title 'Caricamento file di dati'
        xdotool type --delay 20 '$(winpath "$samples")\\'\$1; xdotool key Return; sleep 2
        shot \$2; xdotool key Return; sleep 1
    }
    wine '$exe' '$(winpath "$samples/banda.dpi")' &
    sleep 12
    wait_title 'Rispondere alle domande'
    shot wizard-1-questions
    xdotool key Return; wait_title 'Scelta del metodo'
    shot wizard-2-method-choice
    xdotool key Return; wait_title 'Metodo banda'
    shot wizard-5-octave-band
    open_file snr.dpi wizard-method-change-message
    shot wizard-3-snr
    open_file snrcorretto.dpi wizard-method-change-message-2
    shot wizard-4-corrected-snr
    open_file controllo.dpi wizard-method-change-message-3
    shot wizard-6-hml-check
    open_file hml.dpi wizard-method-change-message-4
    shot wizard-7-hml
    xdotool key alt+p; wait_title 'Caricamento file di dati'
    xdotool type --delay 20 '$(winpath "$samples")\\'senzametodo.dpi; xdotool key Return; sleep 2
    shot wizard-method-page-after-load
    xdotool key Return; wait_title 'Risultati del calcolo'
    shot wizard-8-results
    xdotool key alt+c; sleep 1; xdotool key Down; sleep 1
    xdotool key alt+t; sleep 1; xdotool key Down; sleep 1
    shot wizard-9-results-correction
"
rm -f "$out"/wizard-method-change-message-[234].png
