#!/bin/sh
# The installable folder of Fonexa and a zip of it:  dist.sh BUILD_DIR OUT_DIR
# OUT_DIR/Fonexa holds what setup.exe copies (the sixteen program files),
# one sample data file of each of the nine types (BUILD_DIR/samples), and
# nothing else;
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

# Sample data files, installed beside the program: one of each type, their
# stored results computed at build time by tools/samplegen.
for ext in lep lew leg ilg spr spi dpi fnx lin; do
    cp "$build/samples/esempio.$ext" "$kit/esempio.$ext"
done

(cd "$out" && zip -q -r -X Fonexa.zip Fonexa)
ls -l "$kit" "$out/Fonexa.zip"
