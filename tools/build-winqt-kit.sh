#!/usr/bin/env bash
# Builds the Qt 6.4.2 kit for 64-bit Windows (MinGW-w64, posix threads) from Debian 12's own
# qt6-base source: Core, Gui, Widgets, Test; platform plugins windows, offscreen and minimal;
# the JPEG image plugin and the windowsvista style; shared DLLs, Release. The MinGW runtime
# DLLs go into kit/bin beside Qt's, so that kit/bin/*.dll is everything a program needs.
# Usage: tools/build-winqt-kit.sh WORK_DIR   (result: WORK_DIR/kit; as root or with sudo for
# apt). Slow: about 16 minutes on two cores, 2 GB of scratch space.
set -euo pipefail
work=$(mkdir -p "$1" && cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-2}
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

"$here/install-deps.sh" g++-mingw-w64-x86-64-posix ninja-build cmake qt6-base-dev \
    qt6-base-dev-tools dpkg-dev xz-utils
# The source needs a deb-src entry; add one beside the deb entries when there is none.
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
fi

cd "$work"
src=$work/qt6-base-6.4.2+dfsg
[ -d "$src" ] || apt-get source -qq qt6-base=6.4.2+dfsg-10 || apt-get source -qq qt6-base
[ -d "$src" ] || { echo "no qt6-base 6.4.2 source in $work" >&2; exit 1; }

# Flags that are not obvious:
#  - tabletevent off: Debian's +dfsg source lacks wintab.h, which tablet support needs.
#  - direct2d on: in 6.4.2 QtGui builds the DirectWrite font database only with direct2d, and
#    qwindows.dll needs it; direct2d1_1 off skips the separate direct2d platform plugin.
#  - androiddeployqt off: Debian's cross-build patch turns it on when cross-compiling.
#  - pkg-config off and every third-party library bundled: nothing of the Linux host leaks in.
rm -rf "$work/build" "$work/kit"
nice -n 10 cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" -DKESTRO_RUN_UNDER_WINE=OFF \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$work/kit" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_pkg_config=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_cpp_winrt=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_fontconfig=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_system_libb2=OFF -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON \
  -DFEATURE_jpeg=ON -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_androiddeployqt=OFF
nice -n 10 cmake --build "$work/build" -j"$jobs"
cmake --install "$work/build" --strip >/dev/null

gcc_dir=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | sort -V | tail -1)
cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" \
   /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$work/kit/bin/"
x86_64-w64-mingw32-strip --strip-unneeded "$work/kit/bin/libstdc++-6.dll" \
   "$work/kit/bin/libgcc_s_seh-1.dll" "$work/kit/bin/libwinpthread-1.dll"
rm -rf "$work/build"
echo "Qt kit built in $work/kit"
