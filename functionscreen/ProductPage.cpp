#include "ProductPage.h"

#include "Form2.h"
#include "core/AppInfo.h"
#include "core/InstallLayout.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/PhraseLabel.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

const QString SupportFile = QStringLiteral("support.html");
constexpr qreal NamePoints = 14.25;
const QString Credits =
    QStringLiteral("モルベーン開発チーム\nCopyright © 2001-2026 All rights reserved.");
const QString SupportText =
    QStringLiteral("バグ報告される場合は必ず製品名とバージョンをお知らせください。また、サポート"
                   "センターにも、ある程度の解決法が掲載されていますので、ぜひご一読ください。");
constexpr int IconSize = 480;
constexpr int LogoWidth = 1800;
constexpr int LogoHeight = 990;
const char* const PictureProperty = "picture";
constexpr int ButtonMargin = 12;

QLabel* text(QWidget* panel, const QString& caption, const char* name, const QRect& geometry) {
    return Page::place(new QLabel(caption, panel), name, geometry);
}

// A picture's place, named for a screen reader; the picture is drawn once the page is built.
QLabel* picture(QWidget* panel, const QString& pictureName, const QString& name,
                const char* objectName, const QRect& geometry) {
    QLabel* label = Page::place(new QLabel(panel), objectName, geometry);
    label->setProperty(PictureProperty, pictureName);
    label->setAccessibleName(name);
    label->setToolTip(name);
    return label;
}

// Draws the label's picture at its size, from the twin that matches the screen.
void draw(QLabel* label) {
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap =
        pictures::loadFor(label->property(PictureProperty).toString(), ratio)
            .scaled(label->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
}

} // namespace

ProductPage::ProductPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture8"), Page::TopTwips, parent)
    , form2_(form2) {}

void ProductPage::build() {
    createProductPanel();
    createSupportPanel();
    connect(Command24, &QPushButton::clicked, this, &ProductPage::Command24_Click);
    connect(Command25, &QPushButton::clicked, this, &ProductPage::Command25_Click);
    connect(Command13, &QPushButton::clicked, this, &ProductPage::Command13_Click);
    // Each opening of the function screen makes the page anew, support panel in front.
    bringPanelToFront(Picture10);
    drawPictures();
    showAddress();
}

void ProductPage::createProductPanel() {
    using twips::rect;
    Picture9 = place(new QFrame(this), "Picture9", rect(480, 240, 5535, 3495));
    Picture9->setFrameShape(QFrame::Panel);
    Picture9->setAccessibleName(QStringLiteral("製品情報"));
    text(Picture9, QStringLiteral("製品名"), "ProductHeading", rect(240, 240, 1200, 255));
    picture(Picture9, QStringLiteral("ProgramIcon"), QStringLiteral("モルベーンのアイコン"),
            "ProgramIcon", rect(240, 600, IconSize, IconSize));
    Label25 = text(Picture9, appinfo::ProductTitle, "Label25", rect(840, 600, 2640, 375));
    QFont nameFont = Label25->font();
    nameFont.setPointSizeF(NamePoints);
    nameFont.setBold(true);
    Label25->setFont(nameFont);
    Label30 = text(Picture9, appinfo::Version, "Label30", rect(840, 1020, 2400, 255));
    picture(Picture9, QStringLiteral("Logo"), QStringLiteral("モルベーンのロゴ"), "ProductLogo",
            rect(3480, 240, LogoWidth, LogoHeight));
    text(Picture9, QStringLiteral("製作・著作"), "MakerHeading", rect(240, 1560, 1500, 255));
    text(Picture9, Credits, "MakerCredits", rect(480, 1860, 4800, 600));
    Command24 = place(new QPushButton(QStringLiteral("サポート情報"), Picture9), "Command24",
                      rect(3360, 3000, 1695, 375));
}

void ProductPage::createSupportPanel() {
    using twips::rect;
    Picture10 = place(new QFrame(this), "Picture10", rect(480, 360, 5415, 3375));
    Picture10->setFrameShape(QFrame::Panel);
    Picture10->setAutoFillBackground(true);
    Picture10->setAccessibleName(QStringLiteral("サポート情報"));
    Label31 = text(Picture10, QStringLiteral("サポート情報"), "Label31", rect(240, 240, 2400, 255));
    Label45 = text(Picture10, QStringLiteral("バグ報告やご意見ご感想は下記までお願いします。"),
                   "Label45", rect(240, 600, 4935, 255));
    Label49 =
        text(Picture10, QStringLiteral("ホームページ"), "Label49", rect(240, 1260, 1320, 255));
    const QString address = supportPage().toString();
    Command13 = place(new QPushButton(Picture10), "Command13", rect(1680, 1200, 3255, 375));
    Command13->setToolTip(address);
    // Named by its heading; the address it opens describes it.
    Command13->setAccessibleName(Label49->text());
    Command13->setAccessibleDescription(address);
    Label49->setBuddy(Command13);
    Label73 = place(new PhraseLabel(SupportText, Picture10), "Label73", rect(240, 1800, 4935, 900));
    Command25 = place(new QPushButton(QStringLiteral("製品情報"), Picture10), "Command25",
                      rect(3360, 2880, 1695, 375));
}

void ProductPage::drawPictures() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(PictureProperty).isValid())
            draw(label);
    }
}

void ProductPage::showAddress() {
    // A long folder would not fit: the button shows its end, the tooltip all of it.
    Command13->setText(Command13->fontMetrics().elidedText(Command13->toolTip(), Qt::ElideMiddle,
                                                           Command13->width() - ButtonMargin));
}

QUrl ProductPage::supportPage() {
    return QUrl::fromLocalFile(
        installlayout::deliveredFile(QCoreApplication::applicationDirPath(), SupportFile));
}

void ProductPage::bringPanelToFront(QFrame* panel) {
    panel->raise();
    Picture9->setVisible(panel == Picture9);
    Picture10->setVisible(panel == Picture10);
}

void ProductPage::Command24_Click() {
    bringPanelToFront(Picture10);
    Command25->setFocus();
}

void ProductPage::Command25_Click() {
    bringPanelToFront(Picture9);
    Command24->setFocus();
}

void ProductPage::Command13_Click() {
    // Where no browser starts, nothing is shown.
    form2_.context().platform.openWebPage(supportPage());
}
