# Shared by the tools/shots scripts (sourced, not run): a Wine prefix that
# draws on X, and a helper that starts Fonexa in a fresh Xvfb display with
# openbox and runs a list of steps.
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
prefix="$build/wineprefix-x11"
"$here/wine-prefix.sh" "$prefix" x11
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

# winpath /unix/path: the same file on Wine's drive Z:
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# session 'STEPS': runs the steps (shell code) in a new display with openbox
# (1024 x 768, or the size in SCREEN, as "640x480x24"); inside, "shot NAME"
# saves the screen as OUT/NAME.png, "figure NAME" the active window with its
# frame as OUT/guide-NAME.png (a picture of the user guides,
# tools/userdocs/figures.sh) and "wait_title T" waits up to 20 s for a window
# titled T.
session() {
    xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768x24}" sh -c "
        shot() { sleep 1; import -window root '$out'/\$1.png; }
        figure() { sleep 1; '$here/userdocs/figure.sh' '$out'/guide-\$1.png; }
        wait_title() { i=0; while [ \$i -lt 40 ] && ! xdotool search --name \"\$1\" >/dev/null 2>&1; do sleep 0.5; i=\$((i+1)); done; sleep 1; }
        openbox >/dev/null 2>&1 &
        sleep 1
        $1
        wineserver -k
    " </dev/null
    wineserver -w 2>/dev/null || true
}
