#!/bin/sh
# Screenshots of the help file in Wine's help viewer, opened by topic number
# through WinHelp as the program's "&?" items do:  help.sh BUILD_DIR OUT_DIR
#   help-contents.png   the contents topic
#   help-index.png      the keyword index of the viewer's Index button
#   help-lepd.png       topic 100110, the daily exposure calculator
#   help-htlan.png      topic 100195, HTLAN with its formulas
#   help-control.png    0x0FBE0125, the Lep,d field of the daily calculator
#   help-dpi.png        100270, the results page of the protector selection
#   help-fonexa.png     fonexa.exe's own Help button finding fonexa.hlp beside it
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
prefix="$build/wineprefix-x11"
"$here/wine-prefix.sh" "$prefix" x11
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
show="$build/tools/helpc/help_topic.exe"
help='Z:'$(printf '%s' "$build/help/Fonexa.hlp" | tr / '\\')
xvfb-run -a -s '-screen 0 1024x768x24' sh -c "
    openbox >/dev/null 2>&1 &
    sleep 1
    wine '$show' '$help' 0
    sleep 3
    import -window root '$out/help-contents.png'
    # The viewer's Index button (at the left of its button bar) lists the keywords.
    xdotool mousemove 141 53 click 1
    sleep 2
    import -window root '$out/help-index.png'
    xdotool key Escape
    sleep 1
    for shot in lepd:100110 htlan:100195 control:0x0FBE0125 dpi:100270; do
        wine '$show' '$help' \${shot#*:}
        sleep 3
        import -window root '$out/help-'\${shot%%:*}'.png'
    done
    wineserver -k; sleep 1
    wine '$build/shell/fonexa.exe' &
    sleep 10
    # The toolbar's Help button (the last one, at the right of the first bar).
    w=\$(xdotool search --name 'Fonexa - Rischio' | head -1)
    xdotool mousemove --window \$w 479 34 click 1
    sleep 4
    import -window root '$out/help-fonexa.png'
    wineserver -k
" </dev/null >/dev/null 2>&1
ls "$out"/help-*.png
