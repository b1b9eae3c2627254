#include "SystemPage.h"

#include "Twips.h"

#include <QLabel>

namespace {

constexpr int HeadingLeft = 480;

} // namespace

SystemPage::SystemPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture1"), Page::TopTwips, parent)
    , form2_(form2) {
    using twips::rect;
    Label12 = place(new QLabel(QStringLiteral("総メモリ"), this), "Label12",
                    rect(HeadingLeft, 2520, 1440, 300));
    Label11 = place(new QLabel(QString(), this), "Label11", rect(2055, 2520, 1440, 300));
    Label4 = place(new QLabel(QStringLiteral("使用済みメモリ"), this), "Label4",
                   rect(HeadingLeft, 3000, 1440, 300));
    Label3 = place(new QLabel(QString(), this), "Label3", rect(2040, 3000, 1440, 300));
    Label2 = place(new QLabel(QStringLiteral("空きメモリ"), this), "Label2",
                   rect(HeadingLeft, 3480, 1440, 300));
    Label6 = place(new QLabel(QString(), this), "Label6", rect(2055, 3480, 1440, 300));
}

void SystemPage::fill() {}
