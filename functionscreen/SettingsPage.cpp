#include "SettingsPage.h"
#include "ui/Pictures.h"

#include "Form2.h"
#include "core/Patterns.h"
#include "core/RecordFormat.h"
#include "core/SettingsFiles.h"
#include "mainwindow/Form1.h"
#include "mainwindow/SizeModes.h"
#include "platform/Platform.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/PhraseLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

const QString SettingsPage::AlarmOnCaption = QStringLiteral("アラームON");
const QString SettingsPage::AlarmOffCaption = QStringLiteral("アラームOFF");

namespace {

const QString DateFrameTitle = QStringLiteral("時刻・日付");
const QString PositionFrameTitle = QStringLiteral("現在の画面の位置");

const QString DesignSizeCaption = QStringLiteral("標準");
// The front settings keep their values where the desktop decides the stacking itself.
const QString NoFrontTip = QStringLiteral(
    "このデスクトップでは、プログラムが自分のウィンドウを前面に保つことはできません。");
// This page lies 20 twips higher than the other pages.
constexpr int SettingsTopTwips = 600;

QColor& lastDialogColour() {
    // The colour dialog opens with whatever it last held, for the whole run.
    static QColor colour(Qt::black);
    return colour;
}

// A caption of the page's own, not one the program changes.
void caption(const QString& text, QWidget* parent, const QRect& geometry) {
    (new QLabel(text, parent))->setGeometry(geometry);
}

} // namespace

SettingsPage::SettingsPage(Form2& form2, QWidget* parent)
    : Page(QStringLiteral("Picture7"), SettingsTopTwips, parent)
    , form2_(form2)
    , form1_(form2.form1()) {
    createChecks();
    createDateFrame();
    createPositionFrame();
    createButtons();
    connectControls();
}

void SettingsPage::createChecks() {
    Check7 = place(new QCheckBox(QStringLiteral("フォームを移動させない"), this), "Check7",
                   {12, 10, 196, 20});
    Check4 = place(new QCheckBox(QStringLiteral("12時間表示"), this), "Check4", {12, 32, 196, 20});
    Check3 = place(new QCheckBox(QStringLiteral("常に前面に表示する"), this), "Check3",
                   {12, 54, 196, 20});
    Check2 = place(new QCheckBox(QStringLiteral("アラーム設定時刻になったら前面に表示する"), this),
                   "Check2", {30, 76, 330, 20});
    if (!form2_.context().platform.canPlaceWindows()) {
        Check3->setToolTip(NoFrontTip);
        Check2->setToolTip(NoFrontTip);
    }
    Check1 = place(new QCheckBox(QStringLiteral("起動ロゴを表示させる"), this), "Check1",
                   {220, 10, 200, 20});
    Check6 = place(new QCheckBox(QStringLiteral("「秒」は表示しない"), this), "Check6",
                   {220, 32, 200, 20});
}

void SettingsPage::createDateFrame() {
    Frame2 = place(new QGroupBox(this), "Frame2", {8, 104, 274, 118});
    Option1 = place(new QRadioButton(Frame2), "Option1", {10, 20, 256, 20});
    Option3 = place(new QRadioButton(Frame2), "Option3", {10, 42, 256, 20});
    Option1->setChecked(true);
    Label50 =
        place(new QLabel(QStringLiteral("現在のフォント:"), Frame2), "Label50", {12, 68, 90, 16});
    Label47 = place(new QLabel(Frame2), "Label47", {102, 68, 166, 16});
    Label46 = place(new QLabel(QStringLiteral("サイズは変更できません"), Frame2), "Label46",
                    {12, 92, 136, 16});
    Command5 =
        place(new QPushButton(QStringLiteral("フォント"), Frame2), "Command5", {150, 88, 58, 24});
    Command32 =
        place(new QPushButton(QStringLiteral("色指定"), Frame2), "Command32", {210, 88, 58, 24});
}

void SettingsPage::createPositionFrame() {
    Frame3 = place(new QGroupBox(this), "Frame3", {288, 104, 132, 118});
    caption(QStringLiteral("X :"), Frame3, {14, 24, 24, 16});
    Label48 = place(new QLabel(Frame3), "Label48", {40, 24, 80, 16});
    caption(QStringLiteral("Y :"), Frame3, {14, 44, 24, 16});
    Label51 = place(new QLabel(Frame3), "Label51", {40, 44, 80, 16});
    Label54 = place(new PhraseLabel(QStringLiteral("画面の位置は自動で保存されます。"), Frame3),
                    "Label54", {10, 68, 116, 40});
}

void SettingsPage::showEvent(QShowEvent* event) {
    // A group box measures its title at once, which would start the whole font system
    // while the clock starts with this page hidden; the titles wait for the first showing.
    Frame2->setTitle(DateFrameTitle);
    Frame3->setTitle(PositionFrameTitle);
    Page::showEvent(event);
}

void SettingsPage::createButtons() {
    Label53 =
        place(new QLabel(QStringLiteral("フォームサイズ"), this), "Label53", {14, 240, 92, 16});
    Command23 = place(new QPushButton(DesignSizeCaption, this), "Command23", {108, 234, 80, 26});
    Label53->setBuddy(Command23);
    Command20 = place(new QPushButton(AlarmOffCaption, this), "Command20", {300, 234, 116, 26});
}

void SettingsPage::connectControls() {
    const auto onToggle = [this](QCheckBox* box, void (SettingsPage::*handler)()) {
        connect(box, &QCheckBox::toggled, this, handler);
    };
    onToggle(Check1, &SettingsPage::Check1_Click);
    onToggle(Check2, &SettingsPage::Check2_Click);
    onToggle(Check3, &SettingsPage::Check3_Click);
    onToggle(Check4, &SettingsPage::Check4_Click);
    onToggle(Check6, &SettingsPage::Check6_Click);
    onToggle(Check7, &SettingsPage::Check7_Click);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option3_Click();
    });
    connect(Command5, &QPushButton::clicked, this, &SettingsPage::Command5_Click);
    connect(Command32, &QPushButton::clicked, this, &SettingsPage::Command32_Click);
    connect(Command23, &QPushButton::clicked, &form2_, &Form2::FomSiz);
    connect(Command20, &QPushButton::clicked, this, &SettingsPage::Command20_Click);
}

void SettingsPage::applyAlarmSwitch() {
    if (form1_.Aset.is(1)) {
        Command20->setText(AlarmOffCaption);
        pictures::show(form1_.Image4, form1_.A_On);
    } else if (form1_.Aset.is(0)) {
        Command20->setText(AlarmOnCaption);
        pictures::show(form1_.Image4, form1_.A_Off);
    }
}

void SettingsPage::applySizeCaption() {
    if (const auto row = sizeModeOf(form1_.MemMni))
        Command23->setText(row->caption);
}

void SettingsPage::applyStoredValues() {
    const QDate today = form2_.context().clock.now().date();
    Option1->setText(patterns::longDate(today));
    Option3->setText(patterns::shortDate(today));
    if (form2_.Fro == 1)
        Check3->setChecked(true);
    if (form2_.AlmFro.is(0) || form2_.AlmFro.is(1))
        Check2->setChecked(form2_.AlmFro.is(1));
    if (form2_.Rogo == settingsfile::LogoOn || form2_.Rogo == settingsfile::LogoOff)
        Check1->setChecked(form2_.Rogo == settingsfile::LogoOn);
    if (form2_.TTAmPm.is(12) || form2_.TTAmPm.is(24))
        Check4->setChecked(form2_.TTAmPm.is(12));
    if (form2_.YMD == 0)
        Option1->setChecked(true);
    else if (form2_.YMD == 1)
        Option3->setChecked(true);
    if (form2_.SsVis == 0 || form2_.SsVis == 1)
        Check6->setChecked(form2_.SsVis == 1);
}

void SettingsPage::applyStoredLock() {
    if (form1_.Iti.is(0)) {
        Check7->setChecked(false);
    } else if (form1_.Iti.is(1)) {
        Check7->setChecked(true);
    } else if (form1_.Iti.toNumber() > 1) {
        Check7->setChecked(true);
        form1_.Iti = Variant::number(1);
        form2_.stSave();
    }
}

void SettingsPage::Check1_Click() {
    form2_.Rogo = Check1->isChecked() ? settingsfile::LogoOn : settingsfile::LogoOff;
    form1_.KRogo = form2_.Rogo;
    form2_.stSave();
}

void SettingsPage::Check2_Click() {
    const Variant value = Variant::number(Check2->isChecked() ? 1 : 0);
    form2_.AlmFro = value;
    form1_.AlmFront = value;
    form2_.stSave();
}

void SettingsPage::Check3_Click() {
    const bool on = Check3->isChecked();
    form2_.context().platform.setTopmost(&form1_, on);
    form2_.Fro = on ? 1 : 0;
    form1_.Front = Variant::number(form2_.Fro);
    form2_.stSave();
    Check2->setEnabled(!on);
}

void SettingsPage::Check4_Click() {
    const Variant mode = Variant::number(Check4->isChecked() ? 12 : 24);
    form2_.TTAmPm = mode;
    form1_.TAmPm = mode;
    form2_.stSave();
    if (form1_.MemMni.is(2))
        form1_.Label10->setText(form1_.summaryLine());
}

void SettingsPage::Check6_Click() {
    const bool hide = Check6->isChecked();
    form1_.Label3->setVisible(!hide);
    form2_.SsVis = hide ? 1 : 0;
    form1_.SsVis1 = form2_.SsVis;
    form2_.stSave();
}

void SettingsPage::Check7_Click() {
    const bool locked = Check7->isChecked();
    form1_.Iti = Variant::number(locked ? 1 : 0);
    pictures::show(form1_.Ido, locked ? form1_.IdoN : form1_.IdoO);
    form2_.stSave();
}

void SettingsPage::Option1_Click() {
    form1_.Label2->setText(patterns::longDate(form2_.context().clock.now().date()));
    form2_.YMD = 0;
    form2_.stSave();
}

void SettingsPage::Option3_Click() {
    form1_.Label2->setText(patterns::shortDate(form2_.context().clock.now().date()));
    form2_.YMD = 1;
    form2_.stSave();
}

QFont SettingsPage::clockFace() const {
    const QFont& label = form1_.Label17->font();
    const QFontInfo shown(label);
    QFont face(shown.family());
    face.setPointSizeF(shown.pointSizeF());
    face.setBold(label.bold());
    face.setItalic(label.italic());
    // The dialog picks its style by name; without one it may land on an unrelated style.
    face.setStyleName(shown.styleName());
    return face;
}

void SettingsPage::Command5_Click() {
    const QFont initial = clockFace();
    const std::optional<QFont> chosen = dialogs::chooseFont(this, initial);
    // OK on the face already shown keeps the stored face, under the name it was stored with.
    if (!chosen ||
        (chosen->family() == initial.family() && chosen->styleName() == initial.styleName()))
        return;
    const QString problem = record::textProblem(chosen->family());
    if (!problem.isEmpty()) {
        dialogs::message(this, problem, dialogs::Style::OkExclamation);
        return;
    }
    for (QLabel* label : {form1_.Label2, form1_.Label3, form1_.Label17}) {
        QFont face = label->font();
        face.setFamily(chosen->family());
        face.setBold(chosen->bold());
        face.setItalic(chosen->italic());
        label->setFont(face);
    }
    Label47->setText(form1_.Label2->font().family());
    writeFont(chosen->family(), chosen->bold(), chosen->italic(), colours::text(form1_.Label2));
}

void SettingsPage::Command32_Click() {
    const std::optional<QColor> chosen = dialogs::chooseColour(this, lastDialogColour());
    if (!chosen)
        return;
    lastDialogColour() = *chosen;
    for (QLabel* label : {form1_.Label2, form1_.Label3, form1_.Label17, form1_.tAM, form1_.tPM})
        colours::setText(label, *chosen);
    const QFont face = form1_.Label2->font();
    writeFont(face.family(), face.bold(), face.italic(), *chosen);
}

void SettingsPage::writeFont(const QString& name, bool bold, bool italic, const QColor& colour) {
    const FontRecord record{name, bold, italic ? record::TrueText : record::FalseText,
                            colours::toStored(colour)};
    QString problem;
    const auto bytes = settingsfile::writeFont(record, &problem);
    form2_.context().save(datafile::Font, bytes, problem);
}

void SettingsPage::Command20_Click() {
    if (form1_.Aset.is(1)) {
        form1_.Aset = Variant::number(0);
        Command20->setText(AlarmOnCaption);
        pictures::show(form1_.Image4, form1_.A_Off);
        form2_.stSave();
    } else if (form1_.Aset.is(0)) {
        form1_.Aset = Variant::number(1);
        Command20->setText(AlarmOffCaption);
        pictures::show(form1_.Image4, form1_.A_On);
        form2_.stSave();
    }
}
