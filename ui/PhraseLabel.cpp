#include "ui/PhraseLabel.h"

#include "ui/Phrases.h"

#include <QPainter>

void PhraseLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    phrases::drawWrapped(painter, contentsRect(), text(), int(alignment()));
}
