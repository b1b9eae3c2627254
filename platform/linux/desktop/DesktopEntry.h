#pragma once

#include <QString>

// Desktop entries (*.desktop) as the desktop itself reads them, through GIO.
namespace desktopentry {

// By its name alone: the program asks without loading GIO.
inline bool isDesktopEntry(const QString& path) {
    return path.endsWith(QLatin1String(".desktop"));
}
// Starts the entry as its Exec, Terminal and Path keys say; false when it cannot be read (no
// regular file, or larger than a data file may be) or started.
bool launch(const QString& path);
// The entry's Icon: a theme name or a file path; empty when it has none or cannot be read.
QString iconName(const QString& path);

} // namespace desktopentry
