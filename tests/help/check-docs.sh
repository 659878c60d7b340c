#!/bin/sh
# Checks the user documents the installer ships: each PDF's text, read back
# with pdftotext, holds its title, and it has 4 to 12 pages and at least two
# pictures; the readme is code page 1252 text.
#   check-docs.sh DOCS_DIR
docs=$1
status=0
check() {
    file=$docs/$1
    title=$2
    if [ ! -s "$file" ]; then
        echo "missing: $file"
        status=1
        return
    fi
    if ! pdftotext -layout "$file" - | tr -s ' \n' '  ' | grep -qF "$title"; then
        echo "$1: title \"$title\" not found in its text"
        status=1
    fi
    # A manual of its area, with pictures of the real dialogs.
    pages=$(pdfinfo "$file" | awk '/^Pages:/ { print $2 }')
    pictures=$(pdfimages -list "$file" | tail -n +3 | wc -l)
    if [ "${pages:-0}" -lt 4 ] || [ "${pages:-0}" -gt 12 ] || [ "$pictures" -lt 2 ]; then
        echo "$1: $pages pages and $pictures pictures (4 to 12 pages, at least 2 pictures)"
        status=1
    fi
}
check Installazione.pdf "Installazione di Fonexa"
check Documento.pdf "Il documento di relazione"
check Esposizione.pdf "Esposizione personale al rumore"
check Spettri.pdf "Spettri di rumore e di attenuazione"
check SceltaDPI.pdf "Scelta dei protettori auricolari"
check Danno.pdf "Danno uditivo da audiogramma"
check NIPTS.pdf "Spostamenti di soglia NIPTS, HTLA e HTLAN"
check Rischio.pdf "Rischio di danno uditivo"
check Previsioni.pdf "Previsioni di perdita uditiva"
check Evoluzione.pdf "Evoluzione del danno uditivo"
readme=$docs/Leggimi.txt
if [ ! -s "$readme" ] || ! grep -q "Fonexa" "$readme" || ! grep -q "$(printf '\r')\$" "$readme"; then
    echo "Leggimi.txt missing, empty or without CR LF line ends"
    status=1
fi
# Italian letters arrive as single code page 1252 bytes ("à" is 0xE0).
if ! LC_ALL=C grep -q "$(printf '\340')" "$readme"; then
    echo "Leggimi.txt: no code page 1252 accented letter"
    status=1
fi
[ $status -eq 0 ] && echo "user documents: 10 guides and the readme checked"
exit $status
