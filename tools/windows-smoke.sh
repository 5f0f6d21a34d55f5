#!/usr/bin/env bash
# Runs the portable zip as a player would: unpacked into a scratch folder, in a fresh Wine
# prefix whose Arial is Liberation Sans, on the real `windows` platform under a virtual
# display. Checks that the zip holds exactly the files it should, that the main window
# "Kestro v1.0" appears at its size and that "Exit!" ends the program. Given OUTPUT_PNG, it
# photographs the main window there first.
# Usage: tools/windows-smoke.sh ZIP [OUTPUT_PNG]   (`make smoke-windows`, `make screenshot-windows`)
set -euo pipefail
script=$(realpath "$0")
zip=$(realpath "$1")
out=${2:+$(realpath -m "$2")}
fail() { echo "windows-smoke: $*" >&2; exit 1; }
source "$(dirname "$script")/main-window.sh"
with_virtual_display KESTRO_SMOKE_DISPLAY timeout 900 "$script" "$zip" ${out:+"$out"}

source "$(dirname "$script")/wine-prefix.sh"
wine_prefix_start

mkdir "$wine_scratch/app"
unzip -q "$zip" -d "$wine_scratch/app"
cd "$wine_scratch"/app/kestro-*-win64
expected='LICENSE.txt
Qt6Core.dll
Qt6Gui.dll
Qt6Widgets.dll
imageformats/qjpeg.dll
kestro.exe
libgcc_s_seh-1.dll
libstdc++-6.dll
libwinpthread-1.dll
licenses/Qt/GPL-3.txt
licenses/Qt/LGPL-3.txt
licenses/Qt/qt6-base-copyright.txt
licenses/README.txt
licenses/runtime/GPL-3.txt
licenses/runtime/gcc-runtime-copyright.txt
licenses/runtime/mingw-w64-copyright.txt
platforms/qwindows.dll
styles/qwindowsvistastyle.dll'
diff <(echo "$expected") <(find . -type f | sed 's|^\./||' | LC_ALL=C sort) >&2 ||
  fail "the zip does not hold exactly the files above (< missing, > extra)"

# Wine has no Arial; the windows are laid out for its metrics, which Liberation Sans shares.
timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' \
  /f >/dev/null 2>&1
xdotool mousemove 0 0  # no hover description in the picture
timeout 300 wine kestro.exe &
pid=$!
window=$(main_window_find 60) || fail "no window called \"$main_window_title\" appeared"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
[ "$size" = "$main_window_size" ] || fail "the main window is $size, not $main_window_size"
echo "windows-smoke: \"$main_window_title\" appeared at $size"
# Wine's windows take input only a moment after they appear. The pointer leaves the window so
# that no control shows a hover highlight.
xdotool mousemove --window "$window" 10 10 mousemove 0 0
sleep 2
[ -z "$out" ] || main_window_capture windows-smoke "$window" "$out"

# Activate the window with a click on the empty description frame, then press "Exit!".
xdotool mousemove --window "$window" 300 390 click 1
sleep 1
main_window_exit windows-smoke "$window" "$pid" 20 || exit 1
echo "windows-smoke: \"Exit!\" ended the program"
