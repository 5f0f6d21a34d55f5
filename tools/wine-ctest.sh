#!/usr/bin/env bash
# Runs every cross-built test (core and windows) under Wine in a fresh prefix, the windows on
# the offscreen platform with the fonts the Linux run uses (those that need real windows on
# the windows platform, under Xvfb).
# Usage: tools/wine-ctest.sh BUILD_DIR KIT_DIR [CTEST_ARGS...]
set -euo pipefail
# The native-border test needs a display: everything runs under a virtual one.
if [ -z "${KESTRO_WINE_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env KESTRO_WINE_DISPLAY=1 "$(realpath "$0")" "$@"
fi
build=$(cd "$1" && pwd)
kit=$(cd "$2" && pwd)
shift 2
source "$(dirname "$0")/wine-prefix.sh"
wine_prefix_start

# Wine passes no QT_* variables to Windows programs: WINEQT_X arrives as QT_X.
export WINEPATH="Z:${kit//\//\\}\\bin"
export WINEQT_PLUGIN_PATH="Z:${kit}/plugins"
export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation2

# Registry values that the registry and window tests read back.
timeout 300 "$(dirname "$0")/../tests/windows/seed-registry.sh"

cd "$build"
ctest --output-on-failure --timeout 300 "$@"
