#!/bin/sh
# Hostile data files of every calculator's type through the real loaders
# under Wine:  fuzz-files.sh BUILD_DIR [FILES_PER_TYPE] [SEED]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
files=${2:-20000}
seed=${3:-1}
prefix="$build/wineprefix"
"$here/wine-server.sh" start "$prefix"
status=0
"$here/wine-run" "$prefix" "$build/tests/fuzz/file_fuzz.exe" --files "$files" --seed "$seed" || status=$?
"$here/wine-server.sh" stop "$prefix"
exit $status
