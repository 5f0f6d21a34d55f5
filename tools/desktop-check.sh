#!/usr/bin/env bash
# Checks what a Linux desktop gets from us: builds the Debian package, unpacks it into a scratch
# root, lists it, and checks that it holds the program, the desktop entry, the icon, the
# AppStream metadata, the copyright file, the changelog and the manual page, that these
# validate, that the package's dependencies are real packages and that lintian finds nothing
# in it. Also checks the pictures, and compiles the Windows resources (version block, icon,
# application manifest) with the cross resource compiler and reads them back. (The Windows
# programs' own headers, kestro.exe a GUI and kestro.com a console program, are checked by
# tools/windows-smoke.sh in the zip: there is no Windows build yet when this runs.)
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

echo "== pictures"
# The windows' pictures are baseline JFIF JPEGs in colour.
for picture in resources/logo.jpg resources/logo-mirrored.jpg resources/screenie.jpg; do
  file --brief "$picture" | grep -qE '^JPEG image data, JFIF standard .*, baseline, .*, components 3$' \
    || fail "$picture is not a baseline JFIF JPEG with three components"
done
echo "baseline JPEGs"

echo "== Windows resources"
# What the Windows build embeds in kestro.exe: the same file compiled by the same compiler,
# read back.
rc="$build/generated/kestro.rc"  # made from resources/kestro.rc.in by CMake
x86_64-w64-mingw32-windres --include-dir resources --input "$rc" --output "$scratch/kestro.res" --output-format res \
  || fail "windres could not compile $rc"
x86_64-w64-mingw32-windres --input "$scratch/kestro.res" --output "$scratch/readback.rc" --output-format rc
for value in '"ProductName", "Kestro v1.0"' '"FileVersion", "1.00"' '"ProductVersion", "1.00"' \
             '"InternalName", "kestro"' '"FileDescription", "Supports Half-Live v1.1.0.7"'; do
  grep -qF "VALUE $value" "$scratch/readback.rc" || fail "the version block lacks $value"
done
# The icon: 16, 32 and 48 pixels square, each in 32 bits a pixel (with alpha).
icons=$(grep -oE '"(\\[0-7]{3}){4}", 1, 32,' "$scratch/readback.rc" | cut -c2-9 | tr '\n' ' ')
[ "$icons" = '\020\020 \040\040 \060\060 ' ] || fail "the icon does not hold 16, 32 and 48 pixels in 32 bits"
# The application manifest: run as the user, on Windows 10 and 11, aware of each monitor's
# scale and of long paths, with the common controls 6.
for fact in 'level=""asInvoker""' 'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""' \
            '>PerMonitorV2</dpiAwareness>' '>true</longPathAware>' \
            'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""'; do
  sed -n '/^1 24 \/\* RT_MANIFEST/,/^END/p' "$scratch/readback.rc" | grep -qF "$fact" \
    || fail "the application manifest lacks $fact"
done
echo "compiles and reads back with its five version values, the icon's three sizes and the manifest"

echo "desktop-check: passed"
