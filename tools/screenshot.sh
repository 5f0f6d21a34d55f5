#!/usr/bin/env bash
# Photographs the real main window: starts the program on a virtual X display, waits for the
# main window, captures exactly that window (there is no window manager, so no title bar) and
# ends the program with its own "Exit!" button.
# Usage: tools/screenshot.sh [BUILD_DIR] [OUTPUT_PNG]   (`make screenshot` builds first)
set -euo pipefail
script=$(realpath "$0")
cd "$(dirname "$script")/.."
build=${1:-build}
out=${2:-docs/screenshot-main.png}
title='Kestro v1.0'

if [ -z "${KESTRO_SCREENSHOT_DISPLAY:-}" ]; then
  [ -x "$build/src/kestro" ] || make --no-print-directory build BUILD="$build"
  mkdir -p "$(dirname "$out")"
  exec xvfb-run -a -s "-screen 0 1024x768x24" env KESTRO_SCREENSHOT_DISPLAY=1 "$script" "$build" "$out"
fi

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

window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" | head -n 1) \
  || { echo "screenshot: no window called \"$title\" appeared" >&2; exit 1; }
sleep 1  # the first paint follows the mapping; give it time on a busy machine

# import waits for a click forever if the window is gone: bound it.
timeout 20 /usr/bin/import -window "$window" -define png:exclude-chunk=date,time "png:$out"
echo "screenshot: $(/usr/bin/identify -format '%wx%h' "$out") pixels -> $out"

# "Exit!" sits at 8880, 5760 twips (592, 384 pixels), 61 x 25 pixels.
xdotool mousemove --window "$window" 620 396 click 1
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "screenshot: the program did not end on \"Exit!\"" >&2; exit 1; fi
wait "$pid" || { echo "screenshot: the program ended with status $?" >&2; exit 1; }
pid=
