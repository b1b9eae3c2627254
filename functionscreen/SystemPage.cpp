#include "SystemPage.h"

#include "Twips.h"

#include <QLabel>

namespace {

constexpr int FontPixels = 12;
constexpr int HeadingLeft = 480;

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* created = new QLabel(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(geometry);
    return created;
}

} // namespace

SystemPage::SystemPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture1"), Page::TopTwips, parent)
    , form2_(form2) {
    QFont pageFont = font();
    pageFont.setPixelSize(FontPixels);
    setFont(pageFont);
    using twips::rect;
    Label12 =
        label(this, "Label12", QStringLiteral("総メモリ"), rect(HeadingLeft, 2520, 1440, 300));
    Label11 = label(this, "Label11", {}, rect(2055, 2520, 1440, 300));
    Label4 =
        label(this, "Label4", QStringLiteral("使用済みメモリ"), rect(HeadingLeft, 3000, 1440, 300));
    Label3 = label(this, "Label3", {}, rect(2040, 3000, 1440, 300));
    Label2 =
        label(this, "Label2", QStringLiteral("空きメモリ"), rect(HeadingLeft, 3480, 1440, 300));
    Label6 = label(this, "Label6", {}, rect(2055, 3480, 1440, 300));
}

void SystemPage::fill() {}
