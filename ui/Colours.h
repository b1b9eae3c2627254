#pragma once

#include <QColor>

class QWidget;

namespace colours {

// Stored colours are 0x00BBGGRR, red in the lowest byte.
QColor fromStored(qint32 value);
qint32 toStored(const QColor& colour);

QColor text(const QWidget* widget);
void setText(QWidget* widget, const QColor& colour);

// A dim AM/PM lamp.
inline const QColor DimLamp(64, 64, 64);

} // namespace colours
