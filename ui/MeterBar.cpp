#include "ui/MeterBar.h"

#include <QPainter>

namespace {
const QColor Edge(0x3a, 0x55, 0x96);
const QColor Trough(0x05, 0x0c, 0x1e);
const QColor Fill(0x00, 0xd8, 0xff);
} // namespace

MeterBar::MeterBar(QWidget* parent)
    : QProgressBar(parent) {
    setTextVisible(false);
}

void MeterBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Edge);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, Trough);
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0 || value() <= minimum())
        return;
    const int filled = int(inside.width() * (qint64(value()) - minimum()) / span);
    painter.fillRect(inside.x(), inside.y(), filled, inside.height(), Fill);
}
