#include "DrivesPage.h"

DrivesPage::DrivesPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture2"), Page::TopTwips, parent)
    , form2_(form2) {}

void DrivesPage::fill() {}
