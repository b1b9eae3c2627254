#include "core/AppInfo.h"

// CMake passes the version from project(), the one place it is written. The version line
// glues the patch number to the minor version: 3.1.20 reads "3.120".
const QString appinfo::Title = QStringLiteral("Morvane" MORVANE_VERSION_SHORT);
const QString appinfo::ProductTitle = QStringLiteral("モルベーン" MORVANE_VERSION_SHORT);
const QString appinfo::Version =
    QStringLiteral("Version " MORVANE_VERSION_SHORT MORVANE_VERSION_PATCH);
