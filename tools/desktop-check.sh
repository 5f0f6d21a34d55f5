#!/usr/bin/env bash
# Checks what a Linux desktop gets from us: builds the Debian package, unpacks it into a scratch
# root, lists it, and checks that it holds the program, the desktop entry, the icon, the
# AppStream metadata, the copyright file, the changelog and the manual page, that these
# validate, that the package's dependencies are real packages and that lintian finds nothing
# in it. Also compiles the Windows version block with the cross resource compiler and reads
# it back.
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
# The package's directories take their modes from the umask.
(umask 022 && cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
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
  usr/share/doc/kestro/copyright
  usr/share/doc/kestro/changelog.gz
  usr/share/man/man1/kestro.1.gz
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

# The changelog's latest entry is the version the package carries.
changelog_version=$(dpkg-parsechangelog --file resources/debian/changelog --show-field Version)
package_version=$(dpkg-deb --field "$deb" Version)
[ "$changelog_version" = "$package_version" ] \
  || fail "resources/debian/changelog is at $changelog_version, the package at $package_version"

echo "== lintian"
# Every tag of every level fails, the informational ones included. Run as an ordinary user
# where we are root, on a copy that user can read.
mkdir -m 755 "$scratch/lintian"
chmod 711 "$scratch"
install -m 644 "$deb" "$scratch/lintian/package.deb"
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(runuser -u nobody --)
(cd "$scratch/lintian" && "${as_user[@]}" lintian --display-info --display-experimental \
   --pedantic --fail-on error,warning,info,pedantic,experimental package.deb) \
  >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian"; }
[ ! -s "$scratch/lintian.log" ] || { cat "$scratch/lintian.log"; fail "lintian has remarks"; }
echo "no findings"

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
