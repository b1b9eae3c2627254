#include "Page.h"

#include "Twips.h"

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
