#!/bin/sh
# The installable folder of Fonexa and a zip of it:  dist.sh BUILD_DIR OUT_DIR
# OUT_DIR/Fonexa holds what setup.exe copies (the sixteen program files),
# one sample data file of each of the eight types, and nothing else;
# OUT_DIR/Fonexa.zip is that folder.
# The help and the documents come from the build tree (BUILD_DIR/help,
# BUILD_DIR/docs); any that is missing is written as a placeholder that says
# so, under the same name, so that setup always finds its sixteen files.
set -e
build=$(cd "$1" && pwd)
out=$2
kit="$out/Fonexa"
rm -rf "$kit" "$out/Fonexa.zip"
mkdir -p "$kit"
kit=$(cd "$kit" && pwd)

cp "$build/shell/fonexa.exe" "$kit/Fonexa.exe"
cp "$build/setup/setup.exe" "$kit/Setup.exe"
cp "$build/setup/Fonexa.inf" "$kit/Fonexa.inf"
x86_64-w64-mingw32-strip "$kit/Fonexa.exe" "$kit/Setup.exe"

placeholder_text() {
    printf 'SEGNAPOSTO - %s\r\n\r\nQuesto file sostituisce provvisoriamente quello vero, che la build non ha\r\nancora prodotto. Non va distribuito.\r\n' "$1" > "$2"
}

placeholder_pdf() {
    printf '%%!PS\n/Helvetica-Bold findfont 20 scalefont setfont 72 760 moveto (SEGNAPOSTO - %s) show\n/Helvetica findfont 12 scalefont setfont 72 730 moveto (Documento provvisorio: la build non ha ancora prodotto quello vero.) show\nshowpage\n' "$1" |
        gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sOutputFile="$2" -
}

# from_build RELATIVE_PATH: copied when the build made it, else a placeholder.
from_build() {
    name=$(basename "$1")
    if [ -f "$build/$1" ]; then
        cp "$build/$1" "$kit/$name"
    else
        echo "dist.sh: $1 missing, placeholder written" >&2
        case "$name" in
            *.pdf) placeholder_pdf "$name" "$kit/$name" ;;
            *) placeholder_text "$name" "$kit/$name" ;;
        esac
    fi
}

from_build help/Fonexa.hlp
from_build help/Fonexa.cnt
from_build docs/Leggimi.txt
for doc in Installazione Documento Esposizione Spettri SceltaDPI Danno NIPTS Rischio Previsioni Evoluzione; do
    from_build "docs/$doc.pdf"
done

# Sample data files, installed beside the program. Levels in dBA; the
# results written are worked out by hand (energy sums of the levels).
crlf() { printf '%s\r\n' "$@"; }
note() { crlf '[NOTE]' "1=$1" 'Num=1'; }

# Two half shifts at 90 and 85 dBA: 10 lg((10^9 + 10^8.5) / 2) = 88.2.
{ crlf '[FONEXA]' 'Tipo=LEPD' 'LAEQ=88.2' 'TOTTIME=480' 'LEPD=88.2' 'TFORM=1' 'ITEMS=2' \
       '[LEQ]' '1=90.0' '2=85.0' '[TIME]' '1=240' '2=240'
  note 'Esempio: reparto presse, due mezzi turni'; } > "$kit/esempio.lep"

# Five working days: 10 lg(sum 10^(L/10) / 5) = 85.7.
{ crlf '[FONEXA]' 'Tipo=LEPW' 'LEPW=85.7' \
       '[GIORNI]' 'Lunedi=85.0' 'Martedi=87.0' 'Mercoledi=85.0' 'Giovedi=86.0' 'Venerdi=84.0' 'Sabato=' 'Domenica='
  note 'Esempio: settimana di cinque giorni'; } > "$kit/esempio.lew"

# Three samples 85, 88, 90: energy mean 88.1, standard deviation 2.5.
{ crlf '[FONEXA]' 'Tipo=LEG' 'SAMPLES=3' 'LEQGROUP=88.1' 'DEVST=2.5' 'TOTLAV=10' 'FIDUCIA=0' 'CONFIDENZA=0' 'ITEMS=3' \
       '[LEQ]' '1=85.0' '2=88.0' '3=90.0'
  note 'Esempio: gruppo omogeneo di dieci addetti'; } > "$kit/esempio.leg"

{ crlf '[FONEXA]' 'Tipo=ILG' 'SIMM=1' 'TABELLA=1' 'INDUS=1' \
       '[SX]' '500=10' '1000=15' '2000=20' '3000=25' '4000=30' '6000=35'
  note 'Esempio: audiogramma simmetrico'; } > "$kit/esempio.ilg"

# A and C weightings of the seven bands summed: 90.2 dBA, 91.2 dBC.
{ crlf '[FONEXA]' 'Tipo=SPR' 'LAEQ=90.2' 'LCEQ=91.2' \
       '[SPECTRUM]' '125=80.0' '250=82.0' '500=85.0' '1000=86.0' '2000=84.0' '4000=80.0' '8000=75.0'
  note 'Esempio: spettro di una pressa'; } > "$kit/esempio.spr"

# H, M, L and SNR are computed from the bands when the file is opened.
{ crlf '[FONEXA]' 'Tipo=SPI' \
       '[SPECTRUM]' '125=15.0' '250=18.0' '500=22.0' '1000=26.0' '2000=30.0' '4000=35.0' '8000=33.0'
  note 'Esempio: cuffia antirumore'; } > "$kit/esempio.spi"

# The same noise and protector, no method chosen yet.
{ crlf '[FONEXA]' 'Tipo=DPI' \
       '[SETTINGS]' 'LACT=85.0' 'LIVEFF=0.0' 'R1=0' 'R2=0' 'LAEQ=1' 'LCEQ=1' 'BDO=1' 'METODO=-1' \
       '[NOISE]' '125=80.0' '250=82.0' '500=85.0' '1000=86.0' '2000=84.0' '4000=80.0' '8000=75.0' \
                 'A=90.2' 'C=91.2' 'CLASSE=0' \
       '[ATT]' '125=15.0' '250=18.0' '500=22.0' '1000=26.0' '2000=30.0' '4000=35.0' '8000=33.0'
  note 'Esempio: scelta del DPI per la pressa'; } > "$kit/esempio.dpi"

# The welders' day of ISO 9612 annex D: Lex,8h 84.3 dBA, U 3.2 dB with an
# instrument of class 2 and the durations' uncertainties.
{ crlf '[FONEXA]' 'Tipo=LIN' 'CLASSE=2' 'PICCO=128.0' 'ITEMS=3' \
       '[COMPITO1]' 'NOME=Riunioni e pause' 'DURATA=1.5' 'U1B=0' 'ITEMS=3' '1=70.0' '2=70.0' '3=70.0' \
       '[COMPITO2]' 'NOME=Saldatura' 'DURATA=5' 'U1B=1' 'ITEMS=3' '1=80.1' '2=82.2' '3=79.6' \
       '[COMPITO3]' 'NOME=Taglio e molatura' 'DURATA=1.5' 'U1B=0.5' 'ITEMS=6' \
                    '1=86.5' '2=92.4' '3=89.3' '4=93.2' '5=87.8' '6=86.2'
  note 'Esempio: giornata di un saldatore'; } > "$kit/esempio.lin"

# The report document is rich text.
printf '{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\pard\\plain\\f0\\fs28\\b Relazione di esempio\\b0\\par\r\n\\fs20 Valutazione del rischio rumore: reparto presse.\\par\r\n}\r\n' > "$kit/esempio.fnx"

(cd "$out" && zip -q -r -X Fonexa.zip Fonexa)
ls -l "$kit" "$out/Fonexa.zip"
