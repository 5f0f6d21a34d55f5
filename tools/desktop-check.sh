#!/usr/bin/env bash
# Checks what a Linux desktop gets from us: builds the Debian package, unpacks it into a scratch
# root, lists it, and checks that it holds the program, the desktop entry, the icon and the
# AppStream metadata, that these validate, and that the package's dependencies are real
# packages. Also compiles the Windows version block with the cross resource compiler and
# reads it back.
# Usage: tools/desktop-check.sh [BUILD_DIR]   (after the build; `make desktop-check` does both)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=org.example.kestro
fail() { echo "desktop-check: FAILED: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== Debian package"
rm -f "$build"/kestro_*.deb
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$build"/kestro_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no kestro_*.deb in $build"
deb=${debs[0]}
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
dpkg-deb --contents "$deb"

root="$scratch/root"
mkdir "$root"
dpkg-deb --extract "$deb" "$root"
expected=(
  usr/bin/kestro
  usr/share/applications/$id.desktop
  usr/share/icons/hicolor/64x64/apps/$id.png
  usr/share/metainfo/$id.metainfo.xml
)
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/bin/kestro" ] || fail "/usr/bin/kestro is not executable"
file --brief "$root/usr/share/icons/hicolor/64x64/apps/$id.png" | grep -q '^PNG image data, 64 x 64,' \
  || fail "the 64x64 icon is not a 64 x 64 PNG"
if ldd "$root/usr/bin/kestro" | grep 'not found'; then fail "the program lacks libraries"; fi

# Every dependency that dpkg-shlibdeps computed must name a package; the build machine has
# them all, since the program was just linked against them.
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name libqt6widgets6"
for package in $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
  dpkg-query --show "$package" >/dev/null 2>&1 || fail "Depends names $package, which is not a package here"
done

echo "== desktop entry"
# desktop-file-validate exits 0 on hints; we want none of those either.
report=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) || { echo "$report"; fail "desktop-file-validate"; }
[ -z "$report" ] || { echo "$report"; fail "desktop-file-validate has remarks"; }
echo "valid"

echo "== AppStream metadata"
# The web address is plain http (it is the program's own); every other remark fails.
appstreamcli validate-tree --no-net --strict --override=url-not-secure=pedantic "$root" \
  || fail "appstreamcli validate-tree"

echo "== Windows version block"
rc="$build/generated/kestro.rc"  # made from resources/kestro.rc.in by CMake
x86_64-w64-mingw32-windres --include-dir resources --input "$rc" --output "$scratch/kestro.res" --output-format res \
  || fail "windres could not compile $rc"
x86_64-w64-mingw32-windres --input "$scratch/kestro.res" --output "$scratch/readback.rc" --output-format rc
for value in '"ProductName", "Kestro v1.0"' '"FileVersion", "1.00"' '"ProductVersion", "1.00"' \
             '"InternalName", "kestro"' '"FileDescription", "Supports Half-Live v1.1.0.7"'; do
  grep -qF "VALUE $value" "$scratch/readback.rc" || fail "the version block lacks $value"
done
echo "compiles and reads back with its five values"

echo "desktop-check: passed"
