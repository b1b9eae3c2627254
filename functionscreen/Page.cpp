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

void Page::ensureBuilt() {
    if (built_)
        return;
    built_ = true;
    build();
    showMadeControls();
}

void Page::showMadeControls() {
    // Controls made on a page already showing are shown by hand, except those the page hid.
    if (!isVisible())
        return;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
            control->show();
    }
}

void Page::showEvent(QShowEvent* event) {
    ensureBuilt();
    QFrame::showEvent(event);
}
