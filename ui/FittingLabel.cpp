#include "FittingLabel.h"

#include <QPainter>

namespace {
constexpr int NarrowestStretch = 50;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed <= width()) {
        QLabel::paintEvent(event);
        return;
    }
    QFont narrow = font();
    narrow.setStretch(qMax(NarrowestStretch, width() * 100 / needed));
    QPainter painter(this);
    painter.setFont(narrow);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), int(alignment()), text());
}
