# Run by `cmake --install`: writes the desktop entry for the installed folder and, when that
# folder lies in the user's home, registers the entry and the icons for this user.
# Set before including: SOURCE_DIR (the source tree).

set(folder "${CMAKE_INSTALL_PREFIX}")
set(staged "$ENV{DESTDIR}${folder}")

# Exec takes the path as one quoted argument; the desktop format escapes \ " ` $ inside
# quotes and then doubles every backslash, and % is doubled for field codes.
set(exec "${folder}/morvane")
string(REPLACE "\\" "\\\\\\\\" exec "${exec}")
foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\\\${reserved}" exec "${exec}")
endforeach()
string(REPLACE "%" "%%" exec "${exec}")
set(MORVANE_EXEC "\"${exec}\"")
set(MORVANE_FOLDER "${folder}")
configure_file("${SOURCE_DIR}/resources/desktop/morvane.desktop.in"
    "${staged}/share/applications/morvane.desktop" @ONLY)
message(STATUS "Installing: ${staged}/share/applications/morvane.desktop")

# A staged install (DESTDIR) is packed elsewhere; only a real one in the home is registered.
if(NOT "$ENV{DESTDIR}" STREQUAL "" OR "$ENV{HOME}" STREQUAL "")
    return()
endif()
set(home "$ENV{HOME}")
cmake_path(IS_PREFIX home "${folder}" NORMALIZE in_home)
if(NOT in_home)
    return()
endif()
set(data_home "$ENV{XDG_DATA_HOME}")
if(data_home STREQUAL "")
    set(data_home "$ENV{HOME}/.local/share")
endif()
cmake_path(NORMAL_PATH data_home)
set(own_share "${folder}/share")
cmake_path(NORMAL_PATH own_share)
cmake_path(COMPARE "${data_home}" EQUAL "${own_share}" already_there)
if(NOT already_there)
    file(COPY "${staged}/share/applications/morvane.desktop"
        DESTINATION "${data_home}/applications")
    file(COPY "${staged}/share/icons/hicolor" DESTINATION "${data_home}/icons")
endif()
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
if(UPDATE_DESKTOP_DATABASE)
    execute_process(COMMAND "${UPDATE_DESKTOP_DATABASE}" "${data_home}/applications")
endif()
message(STATUS "Registered for this user in ${data_home}/applications")
