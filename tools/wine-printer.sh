#!/bin/sh
# Registers a default PostScript printer in a Wine prefix whose port is a
# file, so that tests print for real and read the job back:
#   wine-printer.sh PREFIX
# The job goes to PREFIX/../printer/job.ps. Wine's own generic PPD is
# written out of winspool.drv by ppd_export.exe, built beside the prefix.
set -e
prefix=$1
build=$(dirname "$prefix")
exporter="$build/tools/ppd_export.exe"
[ -f "$exporter" ] || { echo "wine-printer.sh: $exporter is missing" >&2; exit 1; }
spool="$build/printer"
mkdir -p "$spool"
port="$spool/job.ps"
case "$port" in *" "*|*,*) echo "wine-printer.sh: the printer port may hold no blank or comma: $port" >&2; exit 1 ;; esac

export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
drivers="$prefix/drive_c/windows/system32/spool/drivers/x64/3"
mkdir -p "$drivers"
wine "$exporter" "$(winepath -w "$drivers/generic.ppd")" </dev/null

reg() { wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
D='HKLM\System\CurrentControlSet\Control\Print\Environments\Windows x64\Drivers\Version-3\TestPS'
P='HKLM\System\CurrentControlSet\Control\Print\Printers\TestPS'
reg "$D" /v "Configuration File" /d wineps.drv
reg "$D" /v Driver /d wineps.drv
reg "$D" /v "Data File" /d generic.ppd
reg "$D" /v Datatype /d RAW
reg "$D" /v Version /t REG_DWORD /d 3
reg "$P" /v Name /d TestPS
reg "$P" /v Port /d "$port"
reg "$P" /v "Printer Driver" /d TestPS
reg "$P" /v "Print Processor" /d WinPrint
reg "$P" /v Datatype /d RAW
reg "$P" /v Attributes /t REG_DWORD /d 0
reg 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v device /d "TestPS,wineps.drv,$port"
