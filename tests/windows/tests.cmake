# Wine passes no QT_ variable to a Windows program, so the suites find Qt's plugins through a
# qt.conf beside them, naming the Qt they were built with.
# Qt's own Japanese texts are Debian's: the same files serve every system.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
    "[Paths]\nPrefix = ${QT6_INSTALL_PREFIX}\nTranslations = /usr/share/qt6/translations\n")
