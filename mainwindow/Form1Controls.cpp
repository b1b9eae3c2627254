// The clock window's controls at their design places, and its popup menu.
#include "Form1.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/FittingLabel.h"
#include "ui/MeterBar.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMenu>
#include <QProgressBar>

namespace {

const QString WindowName = QStringLiteral("モルベーン");
// One face for the whole window: a second font file would cost start-up time and memory.
const QString Face = QStringLiteral("ＭＳ ゴシック");
// The design's point sizes, as pixels at 96 dots per inch.
constexpr int TimePixels = 32;    // 24 pt
constexpr int SecondsPixels = 15; // 11.25 pt
constexpr int DatePixels = 13;    // 9.75 pt
constexpr int TitlePixels = 12;
constexpr int LampPixels = 10;
constexpr int MeterCaptionPixels = 8;
constexpr int MeterValuePixels = 9;
constexpr int ClockNarrowest = 50; // percent of the face's width

const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor Cyan(0, 255, 255);

struct LabelSpec {
    QLabel* Form1::*member;
    const char* name;
    int left, top, width, height;
    const char* text;
    QColor colour;
    int pixels;
    Qt::Alignment alignment;
};

struct PictureSpec {
    ClickableLabel* Form1::*member;
    const char* name;
    const char* toolTip;
    int left, top, width, height;
};

const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment Centre = Qt::AlignCenter;

const LabelSpec Labels[] = {
    {&Form1::Label17, "Label17", 400, 300, 1515, 495, "", Qt::white, TimePixels, Right},
    {&Form1::Label3, "Label3", 1940, 540, 360, 240, "", Qt::white, SecondsPixels, Left},
    {&Form1::Label2, "Label2", 100, 765, 2145, 195, "", Qt::white, DatePixels, Left},
    {&Form1::tAM, "tAM", 150, 330, 210, 195, "AM", colours::DimLamp, LampPixels, Centre},
    {&Form1::tPM, "tPM", 150, 510, 210, 195, "PM", colours::DimLamp, LampPixels, Centre},
    {&Form1::Label15, "Label15", 2840, 430, 300, 135, "ALL", Green, MeterCaptionPixels, Left},
    {&Form1::Label8, "Label8", 2840, 570, 300, 135, "USED", Yellow, MeterCaptionPixels, Left},
    {&Form1::Label16, "Label16", 2840, 700, 300, 135, "FREE", Cyan, MeterCaptionPixels, Left},
    {&Form1::Label7, "Label7", 3120, 430, 585, 165, "", Green, MeterValuePixels, Right},
    {&Form1::Label6, "Label6", 3120, 570, 585, 165, "", Yellow, MeterValuePixels, Right},
    {&Form1::Label9, "Label9", 3120, 700, 585, 165, "", Cyan, MeterValuePixels, Right},
    // The tick's working values, never shown.
    {&Form1::Label1, "Label1", 0, 0, 0, 0, "", Qt::white, TitlePixels, Left},
    {&Form1::Label4, "Label4", 0, 0, 0, 0, "", Qt::white, TitlePixels, Left},
    {&Form1::Label12, "Label12", 0, 0, 0, 0, "", Qt::white, TitlePixels, Left},
};

const PictureSpec Pictures[] = {
    {&Form1::Image1, "Image1", "メニュー", 2295, 300, 225, 195},
    {&Form1::Ido, "Ido", "画面の移動", 2545, 300, 225, 195},
    {&Form1::Image3, "Image3", "簡易ランチャー", 2300, 525, 225, 195},
    {&Form1::GLMS, "GLMS", "画面切り替え", 2545, 525, 225, 195},
    {&Form1::Image2, "Image2", "モルベーンを終了", 2300, 765, 225, 195},
    {&Form1::Image5, "Image5", "各種設定", 2545, 765, 225, 195},
    {&Form1::GLMSa, "GLMSa", "画面切り替え", 3550, 60, 210, 195},
    {&Form1::Image7, "Image7", "メニュー", 3795, 60, 210, 195},
    {&Form1::Image4, "Image4", "", 2000, 315, 210, 180},
};

QFont faceOf(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

void Form1::createControls() {
    IdoN = pictures::load(QStringLiteral("IdoN"));
    IdoO = pictures::load(QStringLiteral("IdoO"));
    A_On = pictures::load(QStringLiteral("A_On"));
    A_Off = pictures::load(QStringLiteral("A_Off"));
    DaiS = pictures::load(QStringLiteral("DaiS"));
    DaiL = pictures::load(QStringLiteral("DaiL"));
    DaiSS = pictures::load(QStringLiteral("DaiSS"));
    GS = pictures::load(QStringLiteral("GS"));
    GM = pictures::load(QStringLiteral("GM"));
    GL = pictures::load(QStringLiteral("GL"));

    // The title label lies under the buttons that share its strip, so it comes first.
    Label10 = new ClickableLabel(QStringLiteral("Label10"), {}, this);
    Label10->setCursor(Qt::ArrowCursor);
    Label10->setGeometry(twips::rect(40, 60, 3660, 225));
    Label10->setFont(faceOf(Face, TitlePixels));
    colours::setText(Label10, Qt::white);

    for (const LabelSpec& spec : Labels) {
        auto* label = new FittingLabel(QString::fromUtf8(spec.text), this);
        // The clock's figures narrow further before they elide: a narrow "12:34" reads
        // better than a cut one.
        label->setNarrowest(ClockNarrowest);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(twips::rect(spec.left, spec.top, spec.width, spec.height));
        label->setFont(faceOf(Face, spec.pixels));
        label->setAlignment(spec.alignment);
        colours::setText(label, spec.colour);
        label->setVisible(spec.width > 0);
        this->*(spec.member) = label;
    }

    PB = new MeterBar(this);
    PB->setObjectName(QStringLiteral("PB"));
    PB->setGeometry(twips::rect(2840, 860, 870, 105));

    for (const PictureSpec& spec : Pictures) {
        auto* picture = new ClickableLabel(QString::fromLatin1(spec.name),
                                           QString::fromUtf8(spec.toolTip), this);
        picture->setGeometry(twips::rect(spec.left, spec.top, spec.width, spec.height));
        picture->setAlignment(Qt::AlignCenter);
        this->*(spec.member) = picture;
    }
    Image4->setCursor(Qt::ArrowCursor);
    Image1->setPixmap(pictures::load(QStringLiteral("Image1")));
    Image3->setPixmap(pictures::load(QStringLiteral("Image3")));
    Image2->setPixmap(pictures::load(QStringLiteral("Image2")));
    Image5->setPixmap(pictures::load(QStringLiteral("Image5")));
    Image7->setPixmap(pictures::load(QStringLiteral("Image7")));
    Image4->setPixmap(A_Off);
    Ido->setPixmap(IdoO);
    GLMS->setPixmap(GM);
    GLMSa->setPixmap(GM);
    GLMSa->hide();
    background_ = DaiL;
    setFixedSize(twips::size(3765, 1035));
}

void Form1::nameControls() {
    // A screen reader's names: the title strip is named for the window while it is empty.
    setAccessibleName(WindowName);
    Label10->setAccessibleName(WindowName);
    Image4->namePicture(A_On, QStringLiteral("アラーム オン"));
    Image4->namePicture(A_Off, QStringLiteral("アラーム オフ"));
    // The lock button is a toggle: on while the window may be moved.
    Ido->namePicture(IdoO, QStringLiteral("移動できます"), true);
    Ido->namePicture(IdoN, QStringLiteral("固定されています"), false);
    // The bar's value is the free memory.
    PB->setAccessibleName(QStringLiteral("空きメモリ"));
    for (QLabel* lamp : {tAM, tPM})
        lamp->setAccessibleDescription(colours::LampDim);
    pMenu->setAccessibleName(QStringLiteral("メニュー"));
    // The picture buttons explain themselves also while another window of the program is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

void Form1::createMenu() {
    pMenu = new QMenu(this);
    pMenu->setObjectName(QStringLiteral("pMenu"));
    const auto item = [this](const char* name, const char* caption) {
        QAction* action = pMenu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    kvSys = item("kvSys", "システム");
    kvDriv = item("kvDriv", "ドライブ");
    kvBmp = item("kvBmp", "壁紙・解像度");
    kvWav = item("kvWav", "アラーム設定");
    kvDir = item("kvDir", "ファイル検索");
    kvSet = item("kvSet", "各種設定");
    kvVer = item("kvVer", "製品情報");
    pMenu->addSeparator()->setObjectName(QStringLiteral("x"));
    kvLunc = item("kvLunc", "簡易ランチャー");
    pMenu->addSeparator()->setObjectName(QStringLiteral("bv"));
    kvEnd = item("kvEnd", "終　了");
}
