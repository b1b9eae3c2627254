#include "SearchPage.h"

SearchPage::SearchPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture6"), Page::TopTwips, parent)
    , form2_(form2) {}

void SearchPage::fillFileTypes() {}
