#pragma once

#include <QString>

// The desktop's own services as the program sees them: desktop entries and the wallpaper
// setting, read and written as the desktop does, through GIO. They live in a module of their
// own, loaded at first use, so that starting the clock does not pay for GIO's libraries.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // Starts the entry as its Exec, Terminal and Path keys say; false when it cannot.
    virtual bool launch(const QString& path) = 0;
    // The entry's Icon: a theme name or a file path; empty when it has none.
    virtual QString iconName(const QString& path) = 0;
    // The wallpaper setting, as desktopsettings::readPath and writePath give it.
    virtual int readPath(const char* schema, const char* key, QString& result,
                         QString& failure) = 0;
    virtual bool writePath(const char* schema, const QString& path) = 0;
};

// The one symbol the module exports.
#define MORVANE_DESKTOP_FACTORY "morvane_create_desktop_services"
using DesktopServicesFactory = DesktopServices* (*)();
