#!/bin/sh
# The user guides' pictures: each OUT/guide-NAME.png of make screenshots
# becomes FIGURES/NAME.pdf, the form gropdf embeds (lossless, one point a
# pixel, no dates or ids, so an unchanged picture gives an unchanged file).
#   figures.sh SCREENSHOT_DIR FIGURE_DIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
shots=$(cd "$1" && pwd)
mkdir -p "$2"
figures=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for picture in "$shots"/guide-*.png; do
    [ -f "$picture" ] || continue
    name=$(basename "$picture" .png)
    name=${name#guide-}
    convert "$picture" -depth 8 "ppm:$work/$name.ppm"
    gs -q -dSAFER --permit-file-read="$work/" -sDEVICE=pdfwrite -dAutoFilterColorImages=false \
       -sColorImageFilter=FlateEncode -dDownsampleColorImages=false -dOmitInfoDate -dOmitID \
       -dOmitXMP -sPicture="$work/$name.ppm" -o "$work/$name.pdf" "$here/picture.ps"
    if ! cmp -s "$work/$name.pdf" "$figures/$name.pdf"; then
        mv "$work/$name.pdf" "$figures/$name.pdf"
        echo "figure: $name.pdf"
    fi
done
