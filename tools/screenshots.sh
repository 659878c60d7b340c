#!/bin/sh
# Pictures of every window of Fonexa, for looking at:  screenshots.sh BUILD_DIR [OUT_DIR]
# Runs each tools/shots/*.sh as "script BUILD_DIR OUT_DIR" (each starts its
# own Xvfb with a window manager, so captions and frames show), then refuses
# a picture that is blank or still shows the splash; the pictures of the user
# guides (guide-*.png) then become resources/docs/figure/*.pdf.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=${2:-$build/screenshots}
mkdir -p "$out"
rm -f "$out"/*.png
for script in "$here"/shots/*.sh; do
    [ -x "$script" ] || continue
    echo "== $(basename "$script")"
    "$script" "$build" "$out"
done

splash="$build/art/fonexa.bmp"
bad=0
for picture in "$out"/*.png; do
    [ -f "$picture" ] || continue
    colours=$(convert "$picture" -format '%k' info:)
    if [ "$colours" -le 2 ]; then
        echo "BLANK: $picture" >&2
        bad=1
        continue
    fi
    if [ -f "$splash" ]; then
        # The splash stands centred on the screen.
        size=$(identify -format '%wx%h' "$splash")
        width=${size%x*}
        height=${size#*x}
        screen=$(identify -format '%wx%h' "$picture")
        x=$(( (${screen%x*} - width) / 2 ))
        y=$(( (${screen#*x} - height) / 2 ))
        differ=$(convert "$picture" -crop "${size}+${x}+${y}" +repage "$splash" \
                 -metric AE -fuzz 10% -compare -format '%[distortion]' info: 2>/dev/null || echo 999999)
        if [ "${differ%.*}" -lt $(( width * height / 10 )) ]; then
            echo "SPLASH: $picture" >&2
            bad=1
        fi
    fi
done
# The user guides' pictures are refreshed only from a run whose pictures all passed.
if [ $bad -eq 0 ]; then
    "$here/userdocs/figures.sh" "$out" "$here/../resources/docs/figure"
fi
ls "$out"
exit $bad
