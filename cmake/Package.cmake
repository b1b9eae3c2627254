# The system install that ./package.sh packs as morvane_VERSION_ARCH.deb: the program and
# its modules in lib/morvane with a link in bin, what every user shares in share/morvane.
# Its rules are the component "system", which a plain `cmake --install` leaves out, so the
# program folder of the rules above stays as it is.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()
set(system_only COMPONENT system EXCLUDE_FROM_ALL)
set(package_sources ${CMAKE_CURRENT_SOURCE_DIR}/resources/package)
set(package_files ${CMAKE_CURRENT_BINARY_DIR}/package-files)
# The release's time, for the changelog and the metainfo.
set(MORVANE_RELEASE_EPOCH 1796904000)
set(MORVANE_METAINFO io.github.morvane.Morvane.metainfo.xml)

install(TARGETS morvane RUNTIME DESTINATION lib/morvane ${system_only})
install(TARGETS morvane_sound morvane_desktop LIBRARY DESTINATION lib/morvane ${system_only})
file(MAKE_DIRECTORY ${package_files})
file(CREATE_LINK ../lib/morvane/morvane ${package_files}/morvane SYMBOLIC)
install(FILES ${package_files}/morvane DESTINATION bin ${system_only})
install(FILES resources/support/support.html DESTINATION share/morvane ${system_only})
install(DIRECTORY Data/ DESTINATION share/morvane/Data ${system_only} FILES_MATCHING PATTERN "*.kvi")
install(DIRECTORY resources/icons/hicolor DESTINATION share/icons ${system_only})

# The menu's entry starts the program by its name on PATH, from the user's home.
file(READ resources/desktop/morvane.desktop.in entry)
string(REGEX REPLACE "\nPath=[^\n]*" "" entry "${entry}")
set(MORVANE_EXEC morvane)
file(CONFIGURE OUTPUT ${package_files}/morvane.desktop CONTENT "${entry}" @ONLY)
install(FILES ${package_files}/morvane.desktop DESTINATION share/applications ${system_only})
configure_file(${package_sources}/${MORVANE_METAINFO}.in ${package_files}/${MORVANE_METAINFO} @ONLY)
install(FILES ${package_files}/${MORVANE_METAINFO} DESTINATION share/metainfo ${system_only})

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane developers <morvane@example.org>")
set(ENV{SOURCE_DATE_EPOCH} ${MORVANE_RELEASE_EPOCH})
string(TIMESTAMP MORVANE_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)
unset(ENV{SOURCE_DATE_EPOCH})
configure_file(${package_sources}/changelog.in ${package_files}/changelog @ONLY)
# Debian wants the changelog compressed to the full, without a time stamp in the header.
add_custom_command(OUTPUT ${package_files}/changelog.gz
    COMMAND gzip -9 -n -k -f ${package_files}/changelog DEPENDS ${package_files}/changelog)
add_custom_target(morvane_changelog ALL DEPENDS ${package_files}/changelog.gz)
install(FILES ${package_sources}/copyright ${package_files}/changelog.gz
    DESTINATION share/doc/morvane ${system_only})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_CURRENT_BINARY_DIR};${PROJECT_NAME};system;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/DropLdconfig.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads by name is no linked library, so the derived list lacks it: Qt's
# Japanese texts and the design's faces.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-ipafont-gothic")
# The wallpaper setting's schema and the file-type icons, which most desktops have already.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gsettings-desktop-schemas, adwaita-icon-theme")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "小さなデスクトップ時計 (日付、メモリの空き、アラーム)")
set(CPACK_PACKAGE_DESCRIPTION "モルベーンはデスクトップに置く小さな時計です。時刻（12時間または24時間表示）と
日付、物理メモリの空きと使用量、アラームの入・切を表示します。メニューから
30分ごとのアラーム、システムとドライブの情報、壁紙、ファイルの検索、
簡易ランチャーを使えます。")
include(CPack)
