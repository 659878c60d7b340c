#!/bin/sh
# Creates a private Wine prefix for Fonexa once.
#   wine-prefix.sh PREFIX null   headless (Wine's null graphics driver), for tests
#   wine-prefix.sh PREFIX x11    on the user's display, for make run and screenshots
set -e
prefix=$1
mode=${2:-null}
[ -n "$prefix" ] || { echo "usage: $0 PREFIX [null|x11]" >&2; exit 2; }

export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$prefix"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.fonexa-ready" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 || true
    if [ "$mode" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
        # A crash ends the process at once instead of waiting in the debugger.
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f \
            </dev/null >/dev/null 2>&1
    fi
    wineserver -w
    touch "$prefix/.fonexa-ready"
fi
# The default printer's port is a path in this build tree: registered again
# when the tree was moved or copied. Tests print on a printer whose port is
# a file; make run's pages become PDF files in BUILD/printed.
if [ "$(cat "$prefix/.fonexa-printer" 2>/dev/null)" != "$prefix" ]; then
    if [ "$mode" = null ]; then
        "$(dirname "$0")/wine-printer.sh" "$prefix"
    else
        "$(dirname "$0")/wine-printer.sh" "$prefix" "$(dirname "$prefix")/printed"
    fi
    wineserver -w
    echo "$prefix" >"$prefix/.fonexa-printer"
fi
