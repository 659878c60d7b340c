#!/bin/sh
# Screenshots of the weekly exposure and group level calculators and their
# entry dialogs:   exposure.sh BUILD_DIR OUT_DIR
# Each calculator is opened by handing fonexa.exe a data file of its type;
# its entry dialog is opened with the keyboard.
set -e
. "$(dirname "$0")/lib.sh"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
printf '[FONEXA]\r\nTipo=LEPW\r\n[GIORNI]\r\nLunedi=85\r\nMartedi=87.5\r\nMercoledi=90\r\nGiovedi=84\r\nVenerdi=88\r\n[NOTE]\r\n1=Reparto presse, turno A\r\nNum=1\r\n' >"$data/settimana.lew"
printf '[FONEXA]\r\nTipo=LEG\r\nTOTLAV=10\r\nFIDUCIA=1\r\nCONFIDENZA=1\r\nITEMS=4\r\n[LEQ]\r\n1=85\r\n2=87\r\n3=89\r\n4=86\r\n[NOTE]\r\n1=Saldatori, reparto 3\r\nNum=1\r\n' >"$data/gruppo.leg"

# shoot FILE NAME KEYS ENTRY_NAME: the calculator, then its entry dialog
# opened by KEYS.
shoot() {
    file="Z:$(printf '%s' "$1" | tr / '\\\\')"
    xvfb-run -a -s '-screen 0 1024x768x24' sh -c "
        openbox >/dev/null 2>&1 &
        wine '$build/shell/fonexa.exe' '$file' &
        sleep 9
        import -window root '$out/$2.png'
        xdotool key $3
        sleep 2
        import -window root '$out/$4.png'
        wineserver -k
    " </dev/null
    echo "$out/$2.png $out/$4.png"
}

shoot "$data/settimana.lew" exposure-lepw alt+d exposure-edit-lepw
if [ -n "$(grep -l LEQGROUP "$here/../resources/"*.rc 2>/dev/null)" ]; then
    shoot "$data/gruppo.leg" exposure-leqgroup alt+g exposure-add-sample
fi
