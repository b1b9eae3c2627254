# The Linux build's own tests: the desktop's services, the tools, the soak and the
# end-to-end tests against real services.
target_compile_definitions(morvane_testsupport PUBLIC
    MORVANE_SOUND_MODULE="$<TARGET_FILE:morvane_sound>"
    MORVANE_DESKTOP_MODULE="$<TARGET_FILE:morvane_desktop>")
# The desktop's services are tested directly, and through the platform with their module.
target_link_libraries(gui_tests PRIVATE morvane_desktop_code)
morvane_desktop_beside(gui_tests)

# Writes core/Cp932Tables.cpp from ICU (run by hand); the core tests compare the two.
add_executable(cp932_tables tools/cp932_tables.cpp)
target_link_libraries(cp932_tables PRIVATE Qt6::Core)
target_include_directories(cp932_tables PRIVATE ${PROJECT_SOURCE_DIR})

# Writes a data file over and over so that a test can kill it halfway.
add_executable(atomic_writer tools/atomic_writer.cpp)
target_link_libraries(atomic_writer PRIVATE morvanelib)
target_compile_definitions(morvane_testsupport PUBLIC
    MORVANE_ATOMIC_WRITER="$<TARGET_FILE:atomic_writer>")

# Hundreds of writes and repairs killed at random moments; `ctest -L soak` picks them.
file(GLOB SOAK_SOURCES CONFIGURE_DEPENDS soak/*.cpp)
add_executable(soak_tests ${SOAK_SOURCES})
target_link_libraries(soak_tests PRIVATE morvane_testsupport)
add_dependencies(soak_tests atomic_writer)
gtest_discover_tests(soak_tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS soak TIMEOUT 300
    DISCOVERY_TIMEOUT 60)

# End-to-end: the real executable under a virtual display, each test in its own folder.
file(GLOB E2E_SOURCES CONFIGURE_DEPENDS e2e/*Test.cpp)
add_executable(e2e_tests ${E2E_SOURCES})
target_link_libraries(e2e_tests PRIVATE morvane_testsupport)
add_dependencies(e2e_tests morvane morvane_sound morvane_desktop)
# The install test installs this build tree with this CMake.
target_compile_definitions(e2e_tests PRIVATE
    MORVANE_BINARY_DIR="${PROJECT_BINARY_DIR}" MORVANE_CMAKE="${CMAKE_COMMAND}")
gtest_discover_tests(e2e_tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS e2e TIMEOUT 180
    DISCOVERY_TIMEOUT 60)

# Plays one file through the sound service, for the end-to-end check against a real sound
# server that the script starts itself.
add_executable(play_sound_main e2e/play_sound_main.cpp ${PROJECT_SOURCE_DIR}/${PLATFORM_DIR}/sound/SoundPlayer.cpp)
target_link_libraries(play_sound_main PRIVATE morvanelib Qt6::Multimedia)
add_test(NAME sound_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/sound_e2e.sh $<TARGET_FILE:play_sound_main>)
set_tests_properties(sound_e2e PROPERTIES LABELS e2e TIMEOUT 120)

# The installed program under a faked wall clock sounds the half hour once, through a real
# sound server that the script starts itself.
add_test(NAME alarm_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/alarm_e2e.sh $<TARGET_FILE:morvane>
            $<TARGET_FILE:morvane_sound>)
set_tests_properties(alarm_e2e PROPERTIES LABELS e2e TIMEOUT 120)

# Rules of the source tree that the compiler cannot check.
add_test(NAME source_rules
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tools/source_rules.sh ${PROJECT_SOURCE_DIR})

# The power buttons against a logind double and the support button against xdg-open.
add_test(NAME power_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/power_e2e.sh $<TARGET_FILE:morvane>
            ${PROJECT_BINARY_DIR}/support.html)
set_tests_properties(power_e2e PROPERTIES LABELS e2e TIMEOUT 120)

# What a screen reader is told: the installed program's accessibility tree, read through a
# real accessibility bus that the script starts itself.
add_test(NAME atspi_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/atspi_e2e.sh $<TARGET_FILE:morvane>
            $<TARGET_FILE:morvane_sound>)
set_tests_properties(atspi_e2e PROPERTIES LABELS e2e TIMEOUT 120)

# The installed program searches a real folder; list, count and properties are read through
# the accessibility tree.
add_test(NAME search_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/atspi_e2e.sh $<TARGET_FILE:morvane>
            $<TARGET_FILE:morvane_sound> search_atspi.py)
set_tests_properties(search_e2e PROPERTIES LABELS e2e TIMEOUT 120)

# The Windows build's unpacked folder under Wine, driven from here as the Linux program is;
# `./windows.sh test` names the folder and runs them.
add_executable(windows_e2e_tests e2e/windows/WindowsE2ETest.cpp)
target_link_libraries(windows_e2e_tests PRIVATE morvane_testsupport)
gtest_discover_tests(windows_e2e_tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS windows TIMEOUT 300
    DISCOVERY_TIMEOUT 60)

# The Debian package that ./package.sh makes, unpacked and run by a user who cannot write
# the install: the user's own Data folder is made and written.
add_test(NAME package_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/package_e2e.sh ${PROJECT_SOURCE_DIR}
            ${PROJECT_BINARY_DIR})
set_tests_properties(package_e2e PROPERTIES LABELS e2e TIMEOUT 600)

# Japanese typed through a real IBus daemon with the anthy engine, which the script starts
# itself, into the launcher editor's name box, and stored as CP932.
add_test(NAME ime_e2e
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/ime_e2e.sh $<TARGET_FILE:morvane>)
set_tests_properties(ime_e2e PROPERTIES LABELS e2e TIMEOUT 120)
