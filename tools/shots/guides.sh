#!/bin/sh
# The pictures of the user guides: each calculator with the data of its
# worked example (resources/help), opened from a data file in C:\Rumore so
# that the status bars show a short path, and the main window's document,
# chart views and boxes. "figure" keeps the active window with its frame as
# OUT/guide-NAME.png; tools/screenshots.sh turns them into the PDF pictures
# of resources/docs/figure once every picture has passed its checks.
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"
data="$prefix/drive_c/Rumore"
rm -rf "$data"
mkdir -p "$data"
c() { printf 'C:\\Rumore\\%s' "$1"; }

printf '[FONEXA]\r\nTipo=LEPD\r\nTFORM=1\r\nITEMS=3\r\n[LEQ]\r\n1=95\r\n2=85\r\n3=70\r\n[TIME]\r\n1=120\r\n2=240\r\n3=60\r\n[NOTE]\r\n1=Carpenteria, addetto alla smerigliatura\r\nNum=1\r\n' >"$data/giornata.lep"
printf '[FONEXA]\r\nTipo=LEPW\r\n[GIORNI]\r\nLunedi=85\r\nMartedi=85\r\nMercoledi=90\r\nGiovedi=85\r\nVenerdi=85\r\nSabato=0.0\r\nDomenica=0.0\r\n[NOTE]\r\n1=Manutentore, settimana con la revisione del mercoledi\r\nNum=1\r\n' >"$data/settimana.lew"
printf '[FONEXA]\r\nTipo=LEG\r\nTOTLAV=10\r\nFIDUCIA=1\r\nCONFIDENZA=1\r\nITEMS=4\r\n[LEQ]\r\n1=85\r\n2=87\r\n3=90\r\n4=88\r\n[NOTE]\r\n1=Addetti alle presse, linea 2\r\nNum=1\r\n' >"$data/gruppo.leg"
printf '[FONEXA]\r\nTipo=SPR\r\n[SPECTRUM]\r\n125=80\r\n250=85\r\n500=88\r\n1000=90\r\n2000=87\r\n4000=84\r\n8000=78\r\n[NOTE]\r\n1=Tornio, posto operatore\r\nNum=1\r\n' >"$data/rumore.spr"
printf '[FONEXA]\r\nTipo=SPI\r\n[SPECTRUM]\r\n125=15\r\n250=18\r\n500=22\r\n1000=28\r\n2000=32\r\n4000=38\r\n8000=36\r\n[NOTE]\r\n1=Cuffia dell esempio\r\nNum=1\r\n' >"$data/cuffia.spi"
printf '[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85.0\r\nR1=0\r\nR2=0\r\nLAEQ=1\r\nLCEQ=1\r\nBDO=1\r\nMETODO=4\r\n[NOISE]\r\n125=100\r\n250=98\r\n500=95\r\n1000=93\r\n2000=90\r\n4000=86\r\n8000=80\r\nA=98.1\r\nC=103.5\r\nCLASSE=0\r\n[ATT]\r\n125=15\r\n250=18\r\n500=22\r\n1000=28\r\n2000=32\r\n4000=38\r\n8000=36\r\nH=33\r\nM=26\r\nL=20\r\nSNR=29\r\n[NOTE]\r\n1=Sala compressori\r\nNum=1\r\n' >"$data/compressore.dpi"
printf '[FONEXA]\r\nTipo=LIN\r\nCLASSE=2\r\nPICCO=128\r\nITEMS=3\r\n[COMPITO1]\r\nNOME=Riunioni e pause\r\nDURATA=1.5\r\nU1B=0\r\nITEMS=3\r\n1=70\r\n2=70\r\n3=70\r\n[COMPITO2]\r\nNOME=Saldatura\r\nDURATA=5\r\nU1B=1\r\nITEMS=3\r\n1=80.1\r\n2=82.2\r\n3=79.6\r\n[COMPITO3]\r\nNOME=Taglio e molatura\r\nDURATA=1.5\r\nU1B=0.5\r\nITEMS=6\r\n1=86.5\r\n2=92.4\r\n3=89.3\r\n4=93.2\r\n5=87.8\r\n6=86.2\r\n[NOTE]\r\n1=Saldatori, linea 2\r\nNum=1\r\n' >"$data/saldatori.lin"
printf '[FONEXA]\r\nTipo=ILG\r\nSIMM=0\r\nTABELLA=1\r\nINDUS=1\r\n[SX]\r\n500=15\r\n1000=20\r\n2000=30\r\n3000=45\r\n4000=60\r\n6000=55\r\n[DX]\r\n500=10\r\n1000=15\r\n2000=25\r\n3000=40\r\n4000=50\r\n6000=50\r\n[NOTE]\r\n1=Visita periodica\r\nNum=1\r\n' >"$data/visita.ilg"

# start: Fonexa without a file, the pointer in a corner (no tooltip).
start='xdotool mousemove 1020 760; wine "'"$exe"'" & sleep 11; wait_title Fonexa'
# new KEYS: File, Nuovo, then the keys of the calculator.
new='new() { for k in alt+f n "$@"; do xdotool key $k; sleep 0.5; done; }'
view='view() { xdotool key alt+v; sleep 0.5; xdotool key $1; sleep 1.5; }'

# open FILE TITLE: Fonexa started with a data file, its calculator waited for.
opened() { printf 'xdotool mousemove 1020 760; wine "%s" "%s" & sleep 11; wait_title "%s"' "$exe" "$(c "$1")" "$2"; }

session "
    $(opened giornata.lep 'Calcolo Lep,d')
    figure esposizione-lepd
    xdotool key alt+a; wait_title Aggiungi
    figure esposizione-lepd-voce
    xdotool key Escape; sleep 1
    # The report copied, the calculator closed, pasted into the document.
    xdotool key alt+f; sleep 0.5; xdotool key o; sleep 0.5
    xdotool key Escape; sleep 1
    window=\$(xdotool search --name 'Fonexa - Rischio' | head -1)
    eval \$(xdotool getwindowgeometry --shell \$window)
    xdotool mousemove \$((X + 300)) \$((Y + 200)) click 1
    xdotool type 'Relazione sul reparto carpenteria'; xdotool key Return Return
    xdotool key shift+Insert; sleep 1
    xdotool mousemove 1020 760; sleep 1
    figure documento-finestra
    xdotool mousemove \$((X + 300)) \$((Y + 200)); xdotool key F8; sleep 1
    figure documento-formato
    xdotool key Escape; sleep 1
    xdotool key alt+m Right Right Down; sleep 0.5; xdotool key i; wait_title 'Informazioni su Fonexa'
    figure documento-info
    xdotool key Return; sleep 1
"
# One window of a calculator each: file, caption, figure.
while IFS='|' read -r file caption name; do
    session "
    $(opened "$file" "$caption")
    figure $name
"
done <<'LIST'
settimana.lew|Calcolo Lep,w|esposizione-lepw
gruppo.leg|Livello equivalente per gruppi|esposizione-leqgruppi
saldatori.lin|Incertezza e classe|esposizione-incertezza
rumore.spr|Spettro del rumore|spettri-rumore
cuffia.spi|Spettro di attenuazione|spettri-attenuazione
LIST
session "
    $(opened compressore.dpi 'Rispondere alle domande')
    figure dpi-domande
    xdotool key Return; wait_title 'Scelta del metodo'
    figure dpi-metodo
    xdotool key Return; wait_title 'Metodo HML'
    figure dpi-hml
    xdotool key Return; wait_title 'Risultati del calcolo'
    figure dpi-risultati
"
session "
    $(opened visita.ilg 'Calcolo Danno Uditivo')
    figure danno
    wid=\$(xdotool search --name 'Calcolo Danno Uditivo' | head -1)
    eval \$(xdotool getwindowgeometry --shell \$wid)
    xdotool mousemove \$((X + 60)) \$((Y + 48)) click --repeat 2 --delay 80 1
    wait_title Modifica
    figure danno-modifica
"
session "
    $start; $new; $view
    new t t; wait_title 'Previsioni ISO 1999/90'
    figure nipts-finestra
    xdotool key Return; sleep 2
    figure nipts-tabella
    view a
    figure nipts-audiogramma
    view g
    xdotool mousemove 640 400 click 3; sleep 1
    figure documento-grafico
    xdotool key Escape; sleep 0.5
    xdotool key alt+f; sleep 0.5; xdotool key p; wait_title 'Un commento per la stampa?'
    figure documento-commento
    xdotool key Escape; sleep 1
"
session "
    $start; $new; $view
    new r; wait_title 'Rischio di danno uditivo'
    figure rischio-finestra
    xdotool key Return; sleep 2
    view g
    figure rischio-grafico
"
session "
    $start; $new; $view
    new p; wait_title 'Previsioni ISO 1999/90'
    figure previsioni-finestra
    xdotool key Return; sleep 2
    view p
    figure previsioni-tempo
"
session "
    $start; $new; $view
    new v; wait_title 'Previsioni ISO 1999/90'
    figure evoluzione-finestra
    xdotool key Return; sleep 2
    view g
    figure evoluzione-grafico
"
rm -rf "$data"
ls "$out"/guide-*.png
