#include "ProductPage.h"

ProductPage::ProductPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture8"), Page::TopTwips, parent)
    , form2_(form2) {}

void ProductPage::fill() {}
