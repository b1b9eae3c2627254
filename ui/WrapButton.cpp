#include "WrapButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QTextOption>

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
    QTextOption wrap(Qt::AlignCenter);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin), text(), wrap);
}
