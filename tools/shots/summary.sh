#!/bin/sh
# The folder summary over a folder of every type (a hand-edited file, a
# refused one, one of another type, a subfolder), and over a large folder
# while it is being read:   summary.sh BUILD_DIR OUT_DIR
# Fonexa is started from a copy beside the files, so that the folder browser
# opens on them (the program's folder) and Enter chooses it; they lie on the
# prefix's drive C:, which the browser shows.
. "$(dirname "$0")/lib.sh"

folder="$prefix/drive_c/Riepilogo"
rm -rf "$folder"
mkdir -p "$folder/reparto 2"
cp "$build/shell/fonexa.exe" "$folder/"
crlf() { printf '%s\r\n' "$@"; }
crlf '[FONEXA]' 'Tipo=LEPD' 'LEPD=88.2' 'TFORM=1' 'ITEMS=2' '[LEQ]' '1=90' '2=85' '[TIME]' '1=240' '2=240' \
     '[NOTE]' '1=Presse, turno A' 'Num=1' > "$folder/turno A.lep"
crlf '[FONEXA]' 'Tipo=LEPD' 'LEPD=80.0' 'TFORM=2' 'ITEMS=2' '[LEQ]' '1=84' '2=78' '[TIME]' '1=6' '2=2' \
     '[NOTE]' '1=Presse, turno B (corretto a mano)' 'Num=1' > "$folder/turno B.lep"
crlf '[FONEXA]' 'Tipo=LEPD' 'TFORM=2' 'ITEMS=1' '[LEQ]' '1=n.d.' '[TIME]' '1=8' > "$folder/misura persa.lep"
crlf '[FONEXA]' 'Tipo=LEPW' '[GIORNI]' 'Lunedi=85' 'Martedi=87' 'Mercoledi=85' 'Giovedi=86' 'Venerdi=84' \
     '[NOTE]' '1=Manutenzione' 'Num=1' > "$folder/settimana.lew"
crlf '[FONEXA]' 'Tipo=LEPW' > "$folder/rinominato.lep"
crlf '[FONEXA]' 'Tipo=LEG' 'TOTLAV=10' 'FIDUCIA=1' 'CONFIDENZA=1' 'ITEMS=4' '[LEQ]' '1=85' '2=87' '3=89' '4=86' \
     '[NOTE]' '1=Saldatori' 'Num=1' > "$folder/gruppo.leg"
crlf '[FONEXA]' 'Tipo=SPR' '[SPECTRUM]' '125=80' '250=82' '500=84' '1000=85' '2000=83' '4000=80' '8000=75' \
     > "$folder/pressa.spr"
crlf '[FONEXA]' 'Tipo=SPI' '[SPECTRUM]' '125=15' '250=20' '500=25' '1000=30' '2000=35' '4000=38' '8000=36' \
     > "$folder/cuffia.spi"
crlf '[FONEXA]' 'Tipo=DPI' '[SETTINGS]' 'LACT=85' 'METODO=2' '[NOISE]' 'C=96' '[ATT]' 'SNR=25' > "$folder/scelta.dpi"
crlf '[FONEXA]' 'Tipo=ILG' 'SIMM=1' '[SX]' '500=40' '1000=40' '2000=40' '3000=40' '4000=40' '6000=40' \
     > "$folder/audiogramma.ilg"
printf '{\\rtf1 Relazione}\r\n' > "$folder/relazione.fnx"
printf 'appunti\r\n' > "$folder/appunti.txt"
crlf '[FONEXA]' 'Tipo=LEPD' 'TFORM=2' 'ITEMS=1' '[LEQ]' '1=92' '[TIME]' '1=8' > "$folder/reparto 2/turno C.lep"

# A large folder: 40000 files, read for some seconds.
big="$prefix/drive_c/Riepilogo grande"
rm -rf "$big"
mkdir -p "$big"
cp "$build/shell/fonexa.exe" "$big/"
python3 - "$folder" "$big" <<'PY'
import os, shutil, sys
source, target = sys.argv[1], sys.argv[2]
names = [n for n in os.listdir(source) if os.path.isfile(os.path.join(source, n)) and not n.endswith('.exe')]
for i in range(40000):
    name = names[i % len(names)]
    stem, ext = os.path.splitext(name)
    shutil.copyfile(os.path.join(source, name), os.path.join(target, '%s %05d%s' % (stem, i, ext)))
PY

open_summary() {
    exe=$(winpath "$1/fonexa.exe" | sed 's|^Z:.*drive_c|C:|')
    printf '%s\n' "wine '$exe' &" 'sleep 12' 'wait_title Fonexa' 'xdotool key alt+f l Return' 'sleep 3' \
        'xdotool key Return' 'xdotool mousemove 0 0'
}
session "
    $(open_summary "$folder")
    wait_title 'Riepilogo cartella'
    sleep 2
    shot summary
    xdotool key alt+s
    sleep 3
    shot summary-subfolders
"
session "
    $(open_summary "$big")
    wait_title 'Riepilogo cartella'
    sleep 0.5
    shot summary-scanning
"
rm -rf "$big"
rm -rf "$folder"
