#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (MinGW-w64, posix threads) from Debian's own source package
# of the Qt that Debian ships, so the Windows build has the Linux build's Qt version and
# uses Debian's host tools (moc, rcc, uic). Only qtbase: on Windows the sound is winmm's.
# Usage: build-qt-mingw.sh PREFIX [WORKDIR]      (about half an hour on two cores)
set -euo pipefail
prefix=$(realpath -m "${1:?usage: build-qt-mingw.sh PREFIX [WORKDIR]}")
work=$(realpath -m "${2:-${TMPDIR:-/tmp}/qt-mingw-build}")
mkdir -p "$work/apt/lists/partial" "$prefix"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/packages.sh"
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"

# Debian's source packages, through a private list so the machine's apt setup is untouched.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[ -n "$uri" ] || uri=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list)
cat >"$work/apt/src.sources" <<SRC
Types: deb-src
URIs: $uri
Suites: $codename
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
apt_src=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt" -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_src[@]}" update -qq
cd "$work"
rm -rf qtbase-everywhere-src-* build-base
apt-get "${apt_src[@]}" source --download-only qt6-base >/dev/null
tar xf qt6-base_*.orig.tar.xz

host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
# Debian's source leaves out the non-free wintab.h, hence no tablet events. The program
# needs neither the network nor SQL, printing, OpenGL or D-Bus.
cmake -S qtbase-everywhere-src-* -B build-base -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "${host[@]}" -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF >build-base.log
nice -n 10 cmake --build build-base --parallel "$(nproc)"
cmake --install build-base >/dev/null
echo "Qt for MinGW in $prefix"
