#include "ui/FittingLabel.h"

#include <QEvent>
#include <QPainter>

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

FittingLabel::Fit FittingLabel::fitted() {
    const int room = contentsRect().width();
    const int needed = neededWidth();
    if (needed <= room)
        return {font(), text()};
    QFont narrow = font();
    narrow.setStretch(qMax(narrowest_, room * 100 / needed));
    const QFontMetrics metrics(narrow);
    if (metrics.horizontalAdvance(text()) <= room)
        return {narrow, text()};
    return {narrow, metrics.elidedText(text(), elideMode_, room)};
}

void FittingLabel::showWholeTextAsTip(bool elided) {
    // A tooltip given by someone else stays; the one this label gave goes when all shows.
    if (elided && toolTip() != text()) {
        ownTip_ = text();
        setToolTip(ownTip_);
    } else if (!elided && !ownTip_.isEmpty() && toolTip() == ownTip_) {
        ownTip_.clear();
        setToolTip({});
    }
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const Fit fit = fitted();
    showWholeTextAsTip(fit.text != text());
    if (fit.text == text() && fit.font == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fit.font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), int(alignment()), fit.text);
}
