#!/usr/bin/env bash
# Photographs the real main window: starts the program on a virtual X display, waits for the
# main window, captures exactly that window (there is no window manager, so no title bar) and
# ends the program with its own "Exit!" button.
# Usage: tools/screenshot.sh [BUILD_DIR] [OUTPUT_PNG]   (`make screenshot` builds first)
set -euo pipefail
script=$(realpath "$0")
cd "$(dirname "$script")/.."
source tools/main-window.sh
build=${1:-build}
out=${2:-docs/screenshot-main.png}

if [ -z "${KESTRO_SCREENSHOT_DISPLAY:-}" ]; then
  [ -x "$build/src/kestro" ] || make --no-print-directory build BUILD="$build"
fi
with_virtual_display KESTRO_SCREENSHOT_DISPLAY "$script" "$build" "$out"

runtime=$(mktemp -d)
chmod 700 "$runtime"
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$runtime"
}
trap cleanup EXIT

# The pointer starts in the middle of the screen, over the centred window; park it in the
# corner so that no hover description shows.
xdotool mousemove 0 0
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$build/src/kestro" &
pid=$!

window=$(main_window_find 20) ||
  { echo "screenshot: no window called \"$main_window_title\" appeared" >&2; exit 1; }
sleep 1  # the first paint follows the mapping; give it time on a busy machine
main_window_capture screenshot "$window" "$out"
main_window_exit screenshot "$window" "$pid" 5
pid=
