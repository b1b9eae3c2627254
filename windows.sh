#!/usr/bin/env bash
# Builds Morvane for 64-bit Windows from the same source, and lays it out in
# build-windows/Morvane/ as a user unpacks it, with a zip of that folder beside it.
#   ./windows.sh        build and lay out
#   ./windows.sh test   also run the test suites and the end-to-end tests under Wine
# Extra arguments after the first go to CMake; CI passes -DMORVANE_WERROR=ON.
# Qt for MinGW is built once from Debian's source (about half an hour) and kept in
# ${MORVANE_CACHE:-~/.cache/morvane}; later builds reuse it.
set -euo pipefail
cd "$(dirname "$0")"
mode=build
if [ "${1:-}" = test ]; then
    mode=test
    shift
fi
source scripts/packages.sh
source scripts/windows-layout.sh
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
[ "$mode" = test ] && ensure_packages "${WINDOWS_TEST_PACKAGES[@]}"

cache=${MORVANE_CACHE:-$HOME/.cache/morvane}
qt=$cache/qt6-mingw
gtest=$cache/googletest-mingw
# Debian's host tools must be of the version the cached Qt was built from.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
if [ "$(cat "$qt/morvane-qt-build" 2>/dev/null)" != "$qt_version" ]; then
    echo "Qt for MinGW を作ります（初回のみ、30分ほどかかります）: $qt"
    rm -rf "$qt"
    scripts/build-qt-mingw.sh "$qt" "$cache/qt-mingw-work"
    echo "$qt_version" >"$qt/morvane-qt-build"
    rm -rf "$cache/qt-mingw-work"
fi
build_googletest "$gtest"

out=build-windows
cmake -S . -B "$out/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$qt;$gtest" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine \
    -DBUILD_TESTING=ON -DMORVANE_BENCH=ON "$@" >/dev/null
cmake --build "$out/build"
lay_out_folder "$out/build" "$qt" "$out/Morvane"
rm -f "$out"/Morvane-*.zip
zip_name=Morvane-$(sed -n 's/^project(Morvane VERSION \([0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)-windows-x64.zip
(cd "$out" && zip -qr "$zip_name" Morvane)
echo "Windows 版: $(pwd)/$out/Morvane （$(du -sh "$out/Morvane" | cut -f1)）、$(pwd)/$out/$zip_name （$(du -h "$out/$zip_name" | cut -f1)）"
[ "$mode" = test ] || exit 0

# The suites run under Wine on a virtual display of their own, through the emulator that
# CMake was given; the end-to-end tests drive the unpacked folder from the Linux harness.
start_wine "$cache/wine"
trap stop_wine EXIT
# The suites find Qt's libraries, its test library among them, in the Qt for MinGW; the
# program finds its own beside it.
export WINEPATH="$(windows_path "$PWD/$out/Morvane");$(windows_path "$qt/bin")"
ctest --test-dir "$out/build" --output-on-failure
export MORVANE_WINDOWS_FOLDER=$PWD/$out/Morvane
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DBUILD_TESTING=ON
ctest --test-dir build --output-on-failure -L windows
