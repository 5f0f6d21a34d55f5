#!/usr/bin/env bash
# Puts the Qt kit for the Windows build at BUILD_DIR/kit, once: unpacked from the shared
# archive in SHARED_DIR, or, where that archive is missing, built from Debian's source by
# tools/build-winqt-kit.sh (slow, about 16 minutes).
# Usage: tools/windows-kit.sh SHARED_DIR BUILD_DIR
set -euo pipefail
shared=$1
build=$(mkdir -p "$2" && cd "$2" && pwd)
archive=$shared/qt-6.4.2-mingw-w64-x86_64.tar.xz
[ -f "$build/kit/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$build/kit/bin/libstdc++-6.dll" ] &&
    exit 0
rm -rf "$build/kit"
if [ -f "$archive" ]; then
    echo "Unpacking the Qt kit from $archive"
    tar -xJf "$archive" -C "$build"
else
    echo "No Qt kit at $archive: building it from Debian's source (about 16 minutes)"
    "$(dirname "$0")/build-winqt-kit.sh" "$build/qt-kit-work"
    mv "$build/qt-kit-work/kit" "$build/kit"
    rm -rf "$build/qt-kit-work"
fi
