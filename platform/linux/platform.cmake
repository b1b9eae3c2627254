# The Linux platform: Qt Multimedia for sound, D-Bus for logind, GIO for the desktop's
# settings and entries, xcb for the window manager.
find_package(Qt6 REQUIRED COMPONENTS Multimedia DBus)
find_package(PkgConfig REQUIRED)
# GIO starts desktop entries, reads their icons and keeps the wallpaper setting as the
# desktop does.
pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-2.0 gio-unix-2.0)
# xcb sends the window manager the EWMH stacking requests that Qt has no call for; Qt's
# own X11 plugin has already loaded the library.
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
set(PLATFORM_LIBRARIES Qt6::DBus PkgConfig::XCB)
set(PLATFORM_MODULES morvane_sound morvane_desktop)

# Sound is a module loaded at the first sound: the media libraries would cost every start.
add_library(morvane_sound MODULE
    ${PLATFORM_DIR}/sound/SoundPlayer.cpp ${PLATFORM_DIR}/sound/SoundModule.cpp core/WaveFile.cpp
    $<TARGET_OBJECTS:morvane_boundedread>)
target_include_directories(morvane_sound PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(morvane_sound PRIVATE Qt6::Core Qt6::Multimedia)
set_target_properties(morvane_sound PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# The desktop's services are a module loaded at first use: GIO and the libraries it brings
# would cost every start about 2 ms and 1 MiB. The tests use the same code directly.
file(GLOB DESKTOP_SOURCES CONFIGURE_DEPENDS ${PLATFORM_DIR}/desktop/*.h ${PLATFORM_DIR}/desktop/*.cpp)
list(FILTER DESKTOP_SOURCES EXCLUDE REGEX "DesktopModule\\.cpp$")
add_library(morvane_desktop_code OBJECT ${DESKTOP_SOURCES})
set_target_properties(morvane_desktop_code PROPERTIES POSITION_INDEPENDENT_CODE ON)
# It reads desktop entries as the core reads any file, through core/BoundedRead.h.
target_include_directories(morvane_desktop_code PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(morvane_desktop_code PUBLIC Qt6::Core PkgConfig::GIO)
add_library(morvane_desktop MODULE ${PLATFORM_DIR}/desktop/DesktopModule.cpp
    $<TARGET_OBJECTS:morvane_boundedread>)
target_include_directories(morvane_desktop PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(morvane_desktop PRIVATE morvane_desktop_code)
set_target_properties(morvane_desktop PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
# The platform finds the module beside the executable: another program of the build that
# uses the real platform gets a copy beside it.
function(morvane_desktop_beside target)
    add_dependencies(${target} morvane_desktop)
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy_if_different
        $<TARGET_FILE:morvane_desktop> $<TARGET_FILE_DIR:${target}>)
endfunction()

