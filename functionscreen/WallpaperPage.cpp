#include "WallpaperPage.h"

#include <QLabel>

WallpaperPage::WallpaperPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture3"), Page::TopTwips, parent)
    , form2_(form2) {
    Label21 = new QLabel(this);
    Label21->setObjectName(QStringLiteral("Label21"));
    Label21->setGeometry(16, 12, 200, 18);
}

void WallpaperPage::fill() {}
