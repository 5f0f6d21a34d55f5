#!/usr/bin/env bash
# The portable folder where no Qt is installed, as a player of another Linux system gets it.
# Makes a minimal Debian 13 root holding only what the README says the system must provide,
# unpacks the tar.gz there into a folder whose path has a space, and checks that
# - ldd finds every library of the program, of the bundled libraries and of the plugins;
# - `kestro --version` prints the folder's version, and `kestro --find-game` finds a Steam game
#   in a fake home;
# then adds the tools to look at windows and checks that
# - kestro-menu.sh adds a valid menu entry that starts this kestro, and removes it again;
# - under a virtual display the main window appears at its size and, given the keyboard focus
#   as the window test gives it, matches the window test's reference picture; "About" opens the
#   About window, whose logo the bundled JPEG plugin reads, and it matches its reference too;
# - "Exit!" ends the program with status 0.
# Pictures are compared as the window test compares them: at most 8 pixels may differ by more
# than 24 in a colour channel. The captures stay in ROOT_DIR/check/ for a look.
# Usage: tools/portable-check.sh TAR_GZ [ROOT_DIR]   (`make check-portable`; default root
#        build-portable-check; needs root and mmdebstrap)
set -euo pipefail
script=$(realpath "$0")
fail() { echo "portable-check: FAILED: $*" >&2; exit 1; }

# What the README names as the system's part, in Debian 13's package names: the X11 client
# libraries, OpenGL through libglvnd, fontconfig, FreeType, HarfBuzz, libpng, zlib, zstd, GLib,
# D-Bus, xkbcommon, and Liberation Sans. The C library and GCC's C++ run-time are in every
# root already.
system_packages=libx11-6,libx11-xcb1,libsm6,libice6,libxcb1,libxcb-randr0,libxcb-render0
system_packages+=,libxcb-shape0,libxcb-shm0,libxcb-sync1,libxcb-xfixes0,libxcb-xkb1
system_packages+=,libegl1,libglx0,libopengl0,libfontconfig1,libfreetype6,libharfbuzz0b
system_packages+=,libpng16-16t64,zlib1g,libzstd1,libglib2.0-0t64,libdbus-1-3,libxkbcommon0
system_packages+=,fonts-liberation2
tool_packages=(xvfb xauth xdotool imagemagick desktop-file-utils)

games='/home/player/My Games'  # where the player unpacks it
home=/tmp/home                 # the fake home: a Steam game, and the menu entry

# How many pixels of the PNG files A and B differ by more than 24 in a colour channel.
differing_pixels() {
  [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ] || { echo size; return; }
  convert "$1" "$2" -alpha off -compose difference -composite -separate \
    -evaluate-sequence max -threshold 9.41% -format '%[fx:round(mean*w*h)]' info:
}

# Photographs WINDOW into /check/NAME.png and compares it with the window test's reference
# NAME.png: the pictures of the folder's Qt version where it has its own.
compare_with_reference() {
  local name=$1 window=$2 reference differing
  reference=/check/reference/qt$qt_version/$name.png
  [ -f "$reference" ] || reference=/check/reference/$name.png
  main_window_focus "$window"
  sleep 1  # the focus frame is drawn after the key
  main_window_capture portable-check "$window" "/check/$name.png"
  differing=$(differing_pixels "$reference" "/check/$name.png")
  [ "$differing" != size ] && [ "$differing" -le 8 ] ||
    fail "$name: $differing pixels differ from ${reference#/check/} (see /check/$name.png)"
  echo "portable-check: $name matches ${reference#/check/} ($differing pixels differ)"
}

# Inside the root, first without the tools for windows: the libraries and the command line.
in_root_libraries() {
  [ -z "$(find / -xdev -name 'libQt6*' -print -quit)" ] || fail "this root has Qt"
  mkdir -p "$games"
  tar -xzf /check/kestro.tar.gz -C "$games"
  cd "$games"/kestro-*-linux-x86_64
  local version=${PWD##*/kestro-} file missing
  version=${version%-linux-x86_64}
  for file in kestro lib/* plugins/*/*; do
    missing=$(ldd "$file" | grep 'not found' || true)
    [ -z "$missing" ] || fail "ldd $file: $missing"
  done
  echo "portable-check: ldd finds every library of kestro, lib/* and plugins/*/*"
  [ "$(./kestro --version)" = "kestro $version" ] || fail "--version says $(./kestro --version)"
  echo "portable-check: --version: kestro $version"
  local game=$home/.local/share/Steam/steamapps/common/Half-Life found
  mkdir -p "$game/valve"
  found=$(env -i HOME="$home" PATH=/usr/bin:/bin ./kestro --find-game) ||
    fail "--find-game found nothing"
  [ "$found" = "$game"$'\t''Steam library' ] || fail "--find-game says: $found"
  echo "portable-check: --find-game: $found"
}

# Inside the root with the tools: the menu entry, then the windows under a virtual display.
in_root_windows() {
  cd "$games"/kestro-*-linux-x86_64
  local entry=$home/.local/share/applications/org.example.kestro.desktop
  local icon=$home/.local/share/icons/hicolor/64x64/apps/org.example.kestro.png
  HOME=$home ./kestro-menu.sh add
  desktop-file-validate "$entry" || fail "the menu entry does not validate"
  grep -qxF "Exec=\"$PWD/kestro\"" "$entry" || fail "the menu entry starts $(grep ^Exec= "$entry")"
  [ -f "$icon" ] || fail "kestro-menu.sh add wrote no icon"
  HOME=$home ./kestro-menu.sh remove
  [ ! -e "$entry" ] && [ ! -e "$icon" ] || fail "kestro-menu.sh remove left the entry or icon"
  echo "portable-check: kestro-menu.sh adds a valid entry for $PWD/kestro and removes it"

  source /check/main-window.sh
  qt_version=$(grep -aoE -m 1 'Qt 6\.[0-9]+' lib/libQt6Core.so.6 | head -n 1)
  qt_version=${qt_version#Qt }
  local runtime pid window about
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  xdotool mousemove 0 0  # no hover highlight in the pictures
  env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" ./kestro &
  pid=$!
  window=$(main_window_find 60) || fail "no window called \"$main_window_title\" appeared"
  [ "$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')" = "$main_window_size" ] ||
    fail "the main window is not $main_window_size"
  compare_with_reference frmStart "$window"
  xdotool mousemove --window "$window" "${main_window_about_point[@]}" click 1 mousemove 0 0
  about=$(main_window_find 20 "$about_window_title") ||
    fail "\"About\" opened no window called \"$about_window_title\""
  compare_with_reference frmAbout "$about"
  xdotool windowraise "$window"
  main_window_exit portable-check "$window" "$pid" 10
  echo "portable-check: \"Exit!\" ended the program"
}

case ${1:-} in
  --in-root-libraries) in_root_libraries; exit ;;
  --in-root-windows)
    source /check/main-window.sh
    with_virtual_display KESTRO_PORTABLE_DISPLAY "$script" --in-root-windows
    in_root_windows
    exit ;;
esac

[ -f "${1:-}" ] || { echo "Usage: $0 TAR_GZ [ROOT_DIR]" >&2; exit 2; }
tgz=$(realpath "$1")
cd "$(dirname "$script")/.."
source tools/debian-root.sh
root=${2:-build-portable-check}
start=$SECONDS

echo "portable-check: making a Debian 13 root without Qt in $root"
debian_root_make "$root" trixie "$system_packages"
mkdir -p "$root/check/reference"
cp "$tgz" "$root/check/kestro.tar.gz"
cp "$script" tools/main-window.sh "$root/check/"
cp -r tests/forms/reference/. "$root/check/reference/"
debian_root_run "$root" /check/portable-check.sh --in-root-libraries
echo "portable-check: adding the tools to look at windows: ${tool_packages[*]}"
debian_root_run "$root" DEBIAN_FRONTEND=noninteractive /bin/sh -ec "
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends ${tool_packages[*]} >/dev/null"
debian_root_run "$root" timeout 300 /check/portable-check.sh --in-root-windows
echo "portable-check: passed in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
