#pragma once

#include <QString>

namespace appinfo {
// The caption of every message box that names no title of its own.
extern const QString Title;
// The product name with its version, as the product page shows it.
extern const QString ProductTitle;
// The version line of the logo and the product page.
extern const QString Version;
} // namespace appinfo
