#!/usr/bin/env bash
# Runs the portable zip as a player would: unpacked into a scratch folder, in a fresh Wine
# prefix whose Arial is Liberation Sans, on the real `windows` platform under a virtual
# display, with Steam's folder named in Cyrillic in the registry and holding the game. Checks
# that the zip holds exactly the files it should; that kestro.exe is a window program and
# kestro.com a console program (Wine runs both alike: only the header tells), neither reading
# the registry through the ANSI calls; that in cmd.exe a bare `kestro` answers, waits and sets
# %ERRORLEVEL%, and that --find-game writes the Cyrillic folder in UTF-8 to a file and as
# typed to a console; that the main window "Kestro v1.0" appears at its size, its install
# window opens on that folder and "Install" writes there; and that "Exit!" ends the program.
# Given OUTPUT_PNG, it photographs the main window there first.
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
kestro.com
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

for program in 'kestro.exe GUI' 'kestro.com CUI'; do
  read -r file kind <<<"$program"
  headers=$(x86_64-w64-mingw32-objdump -p "$file")
  grep -qE "^Subsystem"$'\t+'"0000000[23]"$'\t'"\(Windows $kind\)\$" <<<"$headers" ||
    fail "$file is not a Windows $kind program: $(grep '^Subsystem' <<<"$headers")"
  ! grep -qE 'RegOpenKeyExA|RegQueryValueExA' <<<"$headers" ||
    fail "$file reads the registry through the ANSI calls"
done
echo "windows-smoke: kestro.exe is a Windows GUI program, kestro.com a Windows CUI program"

# Wine takes arguments and folder names in the locale's character set.
export LC_ALL=C.UTF-8
game="$WINEPREFIX/drive_c/Игры/Steam/steamapps/common/Half-Life"
mkdir -p "$game"/{dmc,valve,tfc}
timeout 60 wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /t REG_SZ /d 'C:\Игры\Steam' \
  /f >/dev/null 2>&1
found='C:\Игры\Steam\steamapps\common\Half-Life'$'\t''Steam library'

# The console twin, as cmd.exe runs it for a bare `kestro`.
version=$(timeout 60 wine cmd /c 'kestro --version')
[ "$version" = 'kestro 1.00' ] || fail "kestro --version printed '$version'"
# (cmd.exe's own status is that of the last program it ran: 2 as well.)
status=$(timeout 60 wine cmd /c 'kestro --install --mods nosuch & echo %errorlevel%' 2>/dev/null |
  tr -d '\r') || true
[ "$status" = 2 ] || fail "an unknown mod gave %errorlevel% '$status', not 2"
timeout 60 wine cmd /c 'kestro --find-game > found.txt'
cmp found.txt <(printf '%s\n' "$found") || fail "--find-game > found.txt wrote: $(cat found.txt)"
rm found.txt
# In a console (Wine's, on a terminal) the wide text shows as typed.
script -qec 'timeout 60 wine kestro.com --find-game' /dev/null | grep -qF 'C:\Игры\Steam\' ||
  fail "--find-game did not show the Cyrillic folder in a console"
echo "windows-smoke: kestro.com answered in cmd.exe, set %errorlevel% 2 for an unknown mod and" \
  "found C:\Игры\Steam (UTF-8 in a file, as typed in a console)"

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

# Activate the window with a click on the empty description frame. "Generate Config File!"
# (172, 320), "Install Config" (324, 320), and in the install window, which opens on the first
# folder found, "Install" (208, 148): the ticked mods get the text --print-config prints.
xdotool mousemove --window "$window" 300 390 click 1
sleep 1
xdotool mousemove --window "$window" 172 320 click 1 sleep 1 \
  mousemove --window "$window" 324 320 click 1
install=$(timeout 30 xdotool search --sync --onlyvisible --name '^Install Config$' | head -n 1) ||
  fail "the install window did not open"
sleep 1
xdotool mousemove --window "$install" 208 148 click 1
message=$(timeout 30 xdotool search --sync --onlyvisible --name '^kestro$' | head -n 1) ||
  fail "no message after \"Install\""
for mod in dmc valve tfc; do
  cmp "$game/$mod/kestro.cfg" <(timeout 60 wine kestro.com --print-config; printf '\r\n') ||
    fail "\"Install\" did not write the config text into C:\\Игры\\...\\$mod\\kestro.cfg"
done
echo "windows-smoke: the install window opened on C:\Игры\Steam's game and \"Install\" wrote there"
xdotool key --window "$message" Return
sleep 1

# "Exit!".
main_window_exit windows-smoke "$window" "$pid" 20 || exit 1
echo "windows-smoke: \"Exit!\" ended the program"
