#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>

// The program's pictures, compiled in.
namespace pictures {
// The picture drawn for the screens in use: its @2x twin where a screen is scaled.
QPixmap load(const QString& name);
// The picture for a screen of this many device pixels per logical pixel.
QPixmap loadFor(const QString& name, qreal screenRatio);
QIcon icon(const QString& name);
// Tells a screen reader that a label's picture changed: a picture may carry the control's
// name or state (the alarm lamp, the lock button).
void announceChange(QLabel* label);

// Shows picture on label unless it already shows it, so the tick repaints nothing.
inline void show(QLabel* label, const QPixmap& picture) {
    if (label->pixmap().cacheKey() == picture.cacheKey())
        return;
    label->setPixmap(picture);
    announceChange(label);
}
} // namespace pictures
