#!/bin/sh
# Registers a default PostScript printer in a Wine prefix:
#   wine-printer.sh PREFIX          the job goes to PREFIX/../printer/job.ps, so
#                                   that tests print for real and read it back
#   wine-printer.sh PREFIX FOLDER   each job becomes a PDF file in FOLDER
#                                   (printer "PDF", for make run)
# Wine's own generic PPD is written out of winspool.drv by ppd_export.exe,
# built beside the prefix.
set -e
prefix=$1
build=$(dirname "$prefix")
exporter="$build/tools/ppd_export.exe"
[ -f "$exporter" ] || { echo "wine-printer.sh: $exporter is missing" >&2; exit 1; }
spool="$build/printer"
mkdir -p "$spool"
if [ -n "$2" ]; then
    mkdir -p "$2"
    folder=$(cd "$2" && pwd)
    name=PDF
    # The port is a pipe to this script: Wine runs it with the job on its
    # standard input.
    port="$spool/to-pdf.sh"
    cat >"$port" <<SCRIPT
#!/bin/sh
# One job of Fonexa's "PDF" printer (PostScript on standard input) as a PDF file.
exec ps2pdf - "$folder/stampa-\$(date +%Y%m%d-%H%M%S)-\$\$.pdf"
SCRIPT
    chmod +x "$port"
    port="|$port"
else
    name=TestPS
    port="$spool/job.ps"
fi
case "$port" in *" "*|*,*) echo "wine-printer.sh: the printer port may hold no blank or comma: $port" >&2; exit 1 ;; esac

export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
drivers="$prefix/drive_c/windows/system32/spool/drivers/x64/3"
mkdir -p "$drivers"
wine "$exporter" "$(winepath -w "$drivers/generic.ppd")" </dev/null

reg() { wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
D="HKLM\\System\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\Version-3\\$name"
P="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$name"
reg "$D" /v "Configuration File" /d wineps.drv
reg "$D" /v Driver /d wineps.drv
reg "$D" /v "Data File" /d generic.ppd
reg "$D" /v Datatype /d RAW
reg "$D" /v Version /t REG_DWORD /d 3
reg "$P" /v Name /d "$name"
reg "$P" /v Port /d "$port"
reg "$P" /v "Printer Driver" /d "$name"
reg "$P" /v "Print Processor" /d WinPrint
reg "$P" /v Datatype /d RAW
reg "$P" /v Attributes /t REG_DWORD /d 0
reg 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v device /d "$name,wineps.drv,$port"
