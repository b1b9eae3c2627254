# The steps of windows.sh that are more than one command. Sourced after packages.sh.

mingw_runtime=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)

# build_googletest PREFIX: Debian's GoogleTest source, built once for MinGW.
build_googletest() {
    local prefix=$1
    [ -f "$prefix/lib/libgtest.a" ] && return 0
    local work
    work=$(mktemp -d)
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$work" >/dev/null
    cmake --install "$work" >/dev/null
    rm -rf "$work"
}

# The DLLs a Windows program or library names, by the file names it imports.
imported_dlls() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

# copy_dlls FOLDER SEARCH...: every DLL that the PE files in FOLDER import, and what those
# import in turn, copied from the first search folder that has it. System DLLs are in none.
copy_dlls() {
    local folder=$1
    shift
    local changed=1 file dll found
    while [ $changed = 1 ]; do
        changed=0
        while IFS= read -r file; do
            for dll in $(imported_dlls "$file"); do
                [ -e "$folder/$dll" ] && continue
                found=$(find "$@" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)
                [ -n "$found" ] || continue
                cp "$found" "$folder/$dll"
                changed=1
            done
        done < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
    done
}

# lay_out_folder BUILD QT FOLDER: the folder a user unpacks: the program, the Qt libraries
# and plugins it loads, the compiler's runtime, Qt's Japanese texts, the support page and
# the delivered Data files.
lay_out_folder() {
    local build=$1 qt=$2 folder=$3
    rm -rf "$folder"
    mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats" "$folder/translations"
    cp "$build/morvane.exe" "$build/support.html" "$folder/"
    cp -r Data "$folder/Data"
    rm -f "$folder"/Data/*.qrc "$folder"/Data/CMakeLists.txt
    cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
    cp "$qt"/plugins/styles/*.dll "$folder/styles/"
    cp "$qt"/plugins/imageformats/*.dll "$folder/imageformats/"
    cp /usr/share/qt6/translations/qtbase_ja.qm "$folder/translations/"
    # Qt finds its plugins and texts beside the program, not in the folder it was built for.
    printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$folder/qt.conf"
    copy_dlls "$folder" "$qt/bin" "${mingw_runtime[@]}"
    x86_64-w64-mingw32-strip "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll
}

# A Linux path as Windows programs under Wine name it, on drive Z.
windows_path() {
    echo "Z:$(echo "$1" | tr / '\\')"
}

# start_wine PREFIX: a virtual display and a Wine prefix for the tests. No Mono or Gecko:
# nothing here needs them, and their installers would ask.
start_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    wine_xvfb=$!
    for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
    wineboot -i >/dev/null 2>&1
    wineserver -w
}

stop_wine() {
    wineserver -k 2>/dev/null || true
    kill "$wine_xvfb" 2>/dev/null || true
}
