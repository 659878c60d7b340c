#!/bin/sh
# Screenshots of the report document:   document.sh BUILD_DIR OUT_DIR
# A ".fnx" with every formatting effect once is handed to fonexa.exe; then
# the "FORMATO" popup (F8), the "COLORI" popup (its toolbar button) and the
# font dialog (from the popup) are opened with the keyboard and the mouse.
set -e
. "$(dirname "$0")/lib.sh"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
cat >"$data/relazione.fnx" <<'RTF'
{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern\fcharset0 Courier New;}}
{\colortbl;\red0\green0\blue0;\red128\green0\blue0;\red255\green0\blue0;\red0\green0\blue255;\red0\green128\blue255;\red64\green128\blue128;}
\pard\qc\plain\f0\fs32\b\cf2 Relazione sull'esposizione al rumore\par
\pard\plain\f0\fs20\par
\pard\plain\f0\fs20 Testo normale, \b grassetto\b0 , \i corsivo\i0 , \ul sottolineato\ul0 , \cf3 rosso\cf0 , \cf4 blu\cf0 , \cf6 verde acqua\cf0 , \f1 Courier New\f0 .\par
\pard\plain\f0\fs20 Apice: 10\up5\fs15 -3\up0\fs20   Pedice: L\dn5\fs15 EX,8h\dn0\fs20  = 87,2 dB(A)\par
\pard\qr\plain\f0\fs20\i Allineato a destra: Reparto presse, 7 dicembre 2026\par
\pard\plain\f0\fs20\par
{\pntext\f0\'B7\tab}\pard\plain{\*\pn\pnlvlblt\pnf0\pnindent360{\pntxtb\'B7}}\fi-360\li360\f0\fs20 Postazione\tab LAeq\tab Durata\par
{\pntext\f0\'B7\tab}\pard\plain{\*\pn\pnlvlblt\pnf0\pnindent360{\pntxtb\'B7}}\fi-360\li360\f0\fs20 Tornio\tab 88,5\tab 240\par
{\pntext\f0\'B7\tab}\pard\plain{\*\pn\pnlvlblt\pnf0\pnindent360{\pntxtb\'B7}}\fi-360\li360\f0\fs20 Pressa\tab 91,0\tab 120\par
\pard\plain\f0\fs20\par
\pard\plain\f0\fs20 Una riga lunga che va a capo automaticamente al bordo della finestra, perch\'e9 l'opzione "A capo automatico" \'e8 attiva sulla barra di formattazione.\par
}
RTF
file="Z:$(printf '%s' "$data/relazione.fnx" | tr / '\\\\')"

xvfb-run -a -s '-screen 0 1024x768x24' sh -c "
    openbox >/dev/null 2>&1 &
    wine '$build/shell/fonexa.exe' '$file' &
    sleep 10
    window=\$(xdotool search --name 'Fonexa - Rischio' | head -1)
    eval \$(xdotool getwindowgeometry --shell \$window)
    # Into the document, at the end of its text.
    xdotool mousemove \$((X + 300)) \$((Y + 330)) click 1
    xdotool key ctrl+End
    sleep 1
    import -window root '$out/document.png'
    xdotool key F8
    sleep 1
    import -window root '$out/document-format-menu.png'
    xdotool key Escape
    sleep 1
    # The colour button, second on the formatting toolbar (the window's
    # client area starts below its menu bar).
    xdotool mousemove \$((X + 33)) \$((Y + 40)) click 1
    sleep 1
    import -window root '$out/document-colour-menu.png'
    xdotool key Escape
    sleep 1
    xdotool mousemove \$((X + 300)) \$((Y + 330)) click 1
    xdotool key F8
    sleep 1
    xdotool key a
    sleep 3
    import -window root '$out/document-font.png'
    xdotool key Escape
    sleep 1
    wineserver -k
" </dev/null
echo "$out/document.png $out/document-format-menu.png $out/document-colour-menu.png $out/document-font.png"
