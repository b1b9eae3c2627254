#include "ui/Colours.h"

#include <QWidget>

namespace colours {

QColor fromStored(qint32 value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

qint32 toStored(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor text(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

void setText(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace colours
