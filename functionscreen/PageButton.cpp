#include "PageButton.h"

#include "ui/Phrases.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
constexpr int IconPixels = 16;
constexpr int CaptionPixels = 9;
constexpr int Margin = 2;
} // namespace

PageButton::PageButton(const QString& name, const QString& caption, const QIcon& icon,
                       QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setIcon(icon);
    setToolTip(caption);
    setFocusPolicy(Qt::TabFocus);
    QFont small = font();
    small.setPixelSize(CaptionPixels);
    setFont(small);
}

void PageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() || isChecked() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const QRect iconRect((width() - IconPixels) / 2, Margin + 1, IconPixels, IconPixels);
    icon().paint(&painter, iconRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect captionRect(Margin, iconRect.bottom() + 1, width() - 2 * Margin,
                            height() - iconRect.bottom() - 1 - Margin);
    painter.setPen(palette().color(QPalette::ButtonText));
    phrases::drawWrapped(painter, captionRect, text(), Qt::AlignHCenter | Qt::AlignTop);
}
