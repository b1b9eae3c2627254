# The Windows platform: the system's own calls, from the libraries that hold them. Sound is
# winmm's, so nothing is loaded beside the executable.
set(PLATFORM_LIBRARIES winmm advapi32 shell32 user32 gdi32)
set(PLATFORM_MODULES)
# Debian's resource compiler packs with zstd, which this Qt cannot unpack.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
# The program's icon and version for Explorer, numbered from project().
configure_file(resources/windows/morvane.rc.in ${CMAKE_CURRENT_BINARY_DIR}/morvane.rc @ONLY)
set(PLATFORM_PROGRAM_SOURCES ${CMAKE_CURRENT_BINARY_DIR}/morvane.rc)
