#!/bin/sh
# The audiometric damage calculator with a sample file, its entry dialog, and
# its printout as a picture of the PostScript page (printed by the GUI test
# of the printout on the tests' file printer, turned into PNG by ghostscript).
. "$(dirname "$0")/lib.sh"
exe="$build/shell/fonexa.exe"
samples="$build/shot-samples"
mkdir -p "$samples"
printf '[FONEXA]\r\nTipo=ILG\r\nILG=  12\r\nSIMM=0\r\nTABELLA=1\r\nINDUS=1\r\n[SX]\r\n500=20\r\n1000=25\r\n2000=35\r\n3000=50\r\n4000=65\r\n6000=55\r\n[DX]\r\n500=15\r\n1000=20\r\n2000=30\r\n3000=45\r\n4000=55\r\n6000=50\r\n[NOTE]\r\n1=Visita periodica, reparto presse\r\nNum=1\r\n' > "$samples/audiogramma.ilg"

session "
    wine '$exe' '$(winpath "$samples/audiogramma.ilg")' &
    sleep 11
    wait_title 'Calcolo Danno Uditivo'
    shot damage
    wid=\$(xdotool search --name 'Calcolo Danno Uditivo' | head -1)
    xdotool windowactivate --sync \$wid 2>/dev/null || true
    eval \$(xdotool getwindowgeometry --shell \$wid)
    xdotool mousemove \$((X + 60)) \$((Y + 48)) click --repeat 2 --delay 80 1
    wait_title Modifica
    shot damage-entry
"

# The printout: the tests' prefix has the file printer.
tests="$build/wineprefix"
job="$build/printer/job.ps"
"$here/wine-run" "$tests" "$build/tests/gui/gui_tests.exe" --gtest_filter='DamageFile.PrintoutHasTheLinesAndTheAudiogram' >/dev/null 2>&1 || true
if [ -f "$job" ]; then
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r80 -dFirstPage=1 -dLastPage=1 \
       -sOutputFile="$out/damage-printout.png" "$job"
fi
