#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace colours {

// Stored colours are 0x00BBGGRR, red in the lowest byte.
QColor fromStored(qint32 value);
qint32 toStored(const QColor& colour);

QColor text(const QWidget* widget);
void setText(QWidget* widget, const QColor& colour);

// A dim AM/PM lamp.
inline const QColor DimLamp(64, 64, 64);
// A lamp is lit or dim by colour alone; a screen reader hears which from its description.
inline const QString LampLit = QStringLiteral("点灯");
inline const QString LampDim = QStringLiteral("消灯");

} // namespace colours
