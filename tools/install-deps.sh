#!/bin/sh
# Installs the Debian packages the build and the tests need, once.
# Run as root (or with sudo available); does nothing when all is present.
set -e

# make dist: the zip of the installable folder.
DIST_PACKAGES="zip"

PACKAGES="cmake ninja-build g++ make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
binutils-mingw-w64-x86-64 wine wine64 xvfb xauth x11-utils imagemagick locales \
googletest libgtest-dev libbenchmark-dev ghostscript poppler-utils clang libfuzzer-14-dev openbox xdotool"
# The user guides are made into PDF by groff (gropdf).
PACKAGES="$PACKAGES groff"

missing=""
for p in $PACKAGES $DIST_PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

SUDO=""
if [ "$(id -u)" != "0" ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
        if [ -n "$missing" ]; then
            echo "Missing packages:$missing" >&2
            echo "Run this script as root, or install them by hand." >&2
            exit 1
        fi
    fi
fi

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# The tests read the Italian list separator through Wine, which needs the
# Linux locale to exist.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    echo "Generating the it_IT.UTF-8 locale"
    $SUDO localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
