#include "Page.h"

#include "ui/Twips.h"

#include <QLabel>

Page::Page(const QString& name, int topTwips, QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    setGeometry(twips::rect(LeftTwips, topTwips, WidthTwips, HeightTwips));
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    QFont pageFont = font();
    pageFont.setPixelSize(FontPixels);
    setFont(pageFont);
}

void Page::showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}
