#!/bin/sh
# Gathers the Windows deliverables in one folder:  dist.sh BUILD_DIR OUT_DIR
set -e
build=$1
out=$2
mkdir -p "$out"
cp "$build/shell/fonexa.exe" "$out/"
[ -f "$build/setup/setup.exe" ] && cp "$build/setup/setup.exe" "$out/"
x86_64-w64-mingw32-strip "$out"/*.exe
ls -l "$out"
