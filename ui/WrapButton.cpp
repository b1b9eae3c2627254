#include "ui/WrapButton.h"

#include "ui/Phrases.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
constexpr int Margin = 3;
}

WrapButton::WrapButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    phrases::drawWrapped(painter, rect().adjusted(Margin, Margin, -Margin, -Margin), text(),
                         Qt::AlignCenter);
}
