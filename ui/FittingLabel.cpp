#include "FittingLabel.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int NarrowestStretch = 50;
}

int FittingLabel::neededWidth() {
    if (measuredWidth_ < 0 || measuredText_ != text()) {
        measuredText_ = text();
        measuredWidth_ = fontMetrics().horizontalAdvance(measuredText_);
    }
    return measuredWidth_;
}

void FittingLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        measuredWidth_ = -1;
    QLabel::changeEvent(event);
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const int needed = neededWidth();
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
