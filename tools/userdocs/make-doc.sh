#!/bin/sh
# Makes one user document:
#   make-doc.sh pdf  SOURCE.ms  OUT.pdf   groff (ms macros, UTF-8 source, as helpms wrote
#                                         it) to PDF
#   make-doc.sh text SOURCE.txt OUT.txt   UTF-8 text to code page 1252, CR LF
set -e
docs=$(cd "$(dirname "$0")/../../resources/docs" && pwd)
kind=$1
source=$2
out=$3
mkdir -p "$(dirname "$out")"
case "$kind" in
pdf)
    # -Kutf-8: the source is UTF-8 (preconv, not guessed); A4 paper; fonexa.tmac holds the
    # shared layout; the pictures are found in resources/docs/figure.
    groff -Kutf-8 -ms -Tpdf -dpaper=a4 -P-pa4 -P-I"$docs/figure" -M"$docs" -mfonexa "$source" >"$out.tmp"
    mv "$out.tmp" "$out"
    ;;
text)
    iconv -f UTF-8 -t CP1252 "$source" | sed 's/$/\r/' >"$out.tmp"
    mv "$out.tmp" "$out"
    ;;
*)
    echo "usage: $0 pdf|text SOURCE OUT" >&2
    exit 2
    ;;
esac
