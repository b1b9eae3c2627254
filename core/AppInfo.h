#pragma once

#include <QString>

namespace appinfo {
// The caption of every message box that names no title of its own.
inline const QString Title = QStringLiteral("Morvane3.1");
inline const QString Version = QStringLiteral("Version 3.120");
} // namespace appinfo
