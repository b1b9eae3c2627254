#!/usr/bin/env bash
# Makes the Debian package morvane_VERSION_ARCH.deb from the install rules and checks it:
# lintian must find no error, the desktop entry and the AppStream metainfo must validate.
#   ./package.sh [BUILD_FOLDER]   (build by default; a folder built before keeps its options)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build=$(realpath "${1:-build}")
if [ -f "$build/CMakeCache.txt" ]; then
    cmake --build "$build"
else
    # The package needs neither the tests nor the benchmarks.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
        -DMORVANE_BENCH=OFF >/dev/null
    cmake --build "$build"
fi

out="$build/package"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(echo "$out"/morvane_*.deb)

lintian --fail-on error "$deb"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/morvane.desktop"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
echo "パッケージを作りました: $deb"
