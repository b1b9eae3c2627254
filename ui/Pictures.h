#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, compiled in.
namespace pictures {
QPixmap load(const QString& name);
QIcon icon(const QString& name);
} // namespace pictures
