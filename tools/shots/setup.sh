#!/bin/sh
# The installer: backdrop and folder dialog, folder browser, the folder
# creation question, the progress dialog (held by a failed copy), the result
# boxes and the uninstaller's questions.  setup.sh BUILD_DIR OUT_DIR
# It installs for real, so it has a Wine prefix and a HOME of its own.
set -e
tools=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
export HOME="$build/setup-home-x11"
mkdir -p "$HOME"
prefix="$build/setup-wineprefix-x11"
"$tools/wine-prefix.sh" "$prefix" x11
exec 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&-
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

# The kit as make dist makes it, and a copy with one document missing.
kits="$build/setup-shots"
"$tools/dist.sh" "$build" "$kits" >/dev/null 2>&1
rm -rf "$kits/Difettoso"
cp -r "$kits/Fonexa" "$kits/Difettoso"
rm "$kits/Difettoso/Evoluzione.pdf"
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
good=$(winpath "$kits/Fonexa/Setup.exe")
broken=$(winpath "$kits/Difettoso/Setup.exe")
drive_c="$prefix/drive_c"
rm -rf "$drive_c/OTREM"
wine reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Fonexa.exe' /f >/dev/null 2>&1 || true

xvfb-run -a -s '-screen 0 1024x768x24' sh -c "
    shot() { sleep 1; import -window root '$out'/\$1.png; }
    figure() { sleep 1; '$tools/userdocs/figure.sh' '$out'/guide-\$1.png; }
    wait_title() { i=0; while [ \$i -lt 40 ] && ! xdotool search --name \"\$1\" >/dev/null 2>&1; do sleep 0.5; i=\$((i+1)); done; sleep 1; }
    openbox >/dev/null 2>&1 &
    sleep 1
    wine '$good' &
    wait_title 'Installazione di Fonexa'
    sleep 2
    shot setup-folder-dialog
    figure installazione-cartella
    xdotool key alt+c; wait_title 'Cerca cartella|Sfoglia|Browse'; shot setup-folder-browser
    xdotool key Escape; sleep 1
    xdotool key Return; wait_title 'C:.OTREM.Fonexa'; shot setup-create-folder
    xdotool key Return; wait_title 'Installazione completata'; shot setup-success
    xdotool key Return; sleep 2

    wine '$broken' &
    wait_title 'Installazione di Fonexa'
    sleep 1
    xdotool key Return; wait_title 'Evoluzione.pdf'
    xdotool search --name 'Evoluzione.pdf' windowmove 330 560; shot setup-progress
    import -window \$(xdotool search --name 'Installazione di Fonexa in corso' | head -1) -frame '$out'/guide-installazione-copia.png
    xdotool key Return; wait_title 'Installazione fallita'; shot setup-failure
    xdotool key Return; sleep 2

    wine 'C:\\OTREM\\Fonexa\\Setup.exe' /remove &
    wait_title 'Disinstallazione di Fonexa'; shot setup-remove-question
    xdotool key Return; wait_title 'C:.OTREM.Fonexa'; shot setup-remove-data; figure installazione-rimozione
    xdotool key n; wait_title 'Disinstallazione di Fonexa'; shot setup-remove-restart
    xdotool key n; sleep 1
    wineserver -k
" </dev/null
wineserver -w 2>/dev/null || true
# What the uninstaller queued must not run at this prefix's next start.
wine reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v Fonexa /f >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true
