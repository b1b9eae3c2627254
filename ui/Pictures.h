#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>

// The program's pictures, compiled in.
namespace pictures {
QPixmap load(const QString& name);
QIcon icon(const QString& name);

// Shows picture on label unless it already shows it, so the tick repaints nothing.
inline void show(QLabel* label, const QPixmap& picture) {
    if (label->pixmap().cacheKey() != picture.cacheKey())
        label->setPixmap(picture);
}
} // namespace pictures
