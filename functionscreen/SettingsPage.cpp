#include "SettingsPage.h"

#include "ClockWindow.h"
#include "Form2.h"
#include "core/Patterns.h"
#include "core/RecordFormat.h"
#include "core/SettingsFiles.h"
#include "core/SizeModes.h"
#include "platform/Platform.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/PhraseLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

const QString SettingsPage::AlarmOnCaption = QStringLiteral("アラームON");
const QString SettingsPage::AlarmOffCaption = QStringLiteral("アラームOFF");

namespace {

const QString DateFrameTitle = QStringLiteral("時刻・日付");
const QString PositionFrameTitle = QStringLiteral("現在の画面の位置");

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
    , settings_(form2.settings())
    , clock_(form2.clock()) {
    connect(&settings_, &Settings::changed, this, &SettingsPage::showChange);
}

void SettingsPage::build() {
    createChecks();
    createDateFrame();
    createPositionFrame();
    createButtons();
    showSettings();
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
    if (!form2_.context().platform.canKeepInFront()) {
        Check3->setToolTip(NoFrontTip);
        Check2->setToolTip(NoFrontTip);
    }
    Check1 = place(new QCheckBox(QStringLiteral("起動ロゴを表示させる"), this), "Check1",
                   {220, 10, 200, 20});
    Check6 = place(new QCheckBox(QStringLiteral("「秒」は表示しない"), this), "Check6",
                   {220, 32, 200, 20});
}

void SettingsPage::createDateFrame() {
    Frame2 = place(new QGroupBox(DateFrameTitle, this), "Frame2", {8, 104, 274, 118});
    Option1 = place(new QRadioButton(Frame2), "Option1", {10, 20, 256, 20});
    Option3 = place(new QRadioButton(Frame2), "Option3", {10, 42, 256, 20});
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
    Frame3 = place(new QGroupBox(PositionFrameTitle, this), "Frame3", {288, 104, 132, 118});
    caption(QStringLiteral("X :"), Frame3, {14, 24, 24, 16});
    Label48 = place(new QLabel(Frame3), "Label48", {40, 24, 80, 16});
    caption(QStringLiteral("Y :"), Frame3, {14, 44, 24, 16});
    Label51 = place(new QLabel(Frame3), "Label51", {40, 44, 80, 16});
    Label54 = place(new PhraseLabel(QStringLiteral("画面の位置は自動で保存されます。"), Frame3),
                    "Label54", {10, 68, 116, 40});
}

void SettingsPage::createButtons() {
    Label53 =
        place(new QLabel(QStringLiteral("フォームサイズ"), this), "Label53", {14, 240, 92, 16});
    Command23 = place(new QPushButton(DesignSizeCaption, this), "Command23", {108, 234, 80, 26});
    Label53->setBuddy(Command23);
    Command20 = place(new QPushButton(AlarmOffCaption, this), "Command20", {300, 234, 116, 26});
}

void SettingsPage::showSettings() {
    Check7->setChecked(lock_);
    Check4->setChecked(settings_.TTAmPm().is(12));
    Check3->setChecked(settings_.Fro() == 1);
    Check2->setChecked(settings_.AlmFro().is(1));
    Check1->setChecked(settings_.Rogo() == settingsfile::LogoOn);
    Check6->setChecked(settings_.SsVis() == 1);
    Option1->setText(patterns::longDate(day_));
    Option3->setText(patterns::shortDate(day_));
    (settings_.YMD() == 1 ? Option3 : Option1)->setChecked(true);
    Label47->setText(clock_.faceName());
    showPosition(position_);
    for (auto field : {Settings::Field::Front, Settings::Field::Size, Settings::Field::Alarm})
        showChange(field);
}

void SettingsPage::connectControls() {
    const auto onToggle = [this](QCheckBox* box, void (SettingsPage::*handler)(bool)) {
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

void SettingsPage::showChange(Settings::Field field) {
    if (!isBuilt())
        return;
    if (field == Settings::Field::Size) {
        const auto row = sizeModeOf(settings_.MemMni());
        Command23->setText(row ? row->caption : DesignSizeCaption);
    } else if (field == Settings::Field::Alarm) {
        Command20->setText(settings_.Aset().is(0) ? AlarmOnCaption : AlarmOffCaption);
    } else if (field == Settings::Field::Front) {
        Check2->setEnabled(settings_.Fro() != 1);
    }
}

void SettingsPage::applyStoredValues() {
    day_ = form2_.context().clock.now().date();
    if (settings_.Fro() == 1)
        Check3_Click(true);
    if (settings_.AlmFro().is(1))
        Check2_Click(true);
    if (settings_.Rogo() == settingsfile::LogoOn)
        Check1_Click(true);
    if (settings_.TTAmPm().is(12))
        Check4_Click(true);
    if (settings_.YMD() == 1)
        Option3_Click();
    if (settings_.SsVis() == 1)
        Check6_Click(true);
}

void SettingsPage::applyStoredLock() {
    // A lock above 1 is set as fixed, and so written as 1.
    if (settings_.Iti().is(1) || settings_.Iti().toNumber() > 1)
        Check7_Click(true);
}

void SettingsPage::showLock() {
    const Variant& iti = settings_.Iti();
    if ((!iti.is(0) && !iti.is(1)) || lock_ == iti.is(1))
        return;
    if (Check7)
        Check7->setChecked(iti.is(1));
    else
        Check7_Click(iti.is(1));
}

void SettingsPage::showPosition(const QPoint& at) {
    position_ = at;
    if (!isBuilt())
        return;
    Label48->setText(QString::number(at.x()));
    Label51->setText(QString::number(at.y()));
}

void SettingsPage::Check1_Click(bool on) {
    settings_.setRogo(on);
}

void SettingsPage::Check2_Click(bool on) {
    settings_.setAlmFro(on);
}

void SettingsPage::Check3_Click(bool on) {
    settings_.setFront(on);
}

void SettingsPage::Check4_Click(bool on) {
    settings_.setTTAmPm(on ? 12 : 24);
}

void SettingsPage::Check6_Click(bool on) {
    settings_.setSsVis(on);
}

void SettingsPage::Check7_Click(bool on) {
    lock_ = on;
    settings_.setIti(Variant::number(on ? 1 : 0));
}

void SettingsPage::Option1_Click() {
    settings_.setYMD(0);
}

void SettingsPage::Option3_Click() {
    settings_.setYMD(1);
}

void SettingsPage::Command5_Click() {
    const QFont initial = clock_.clockFace();
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
    clock_.applyClockFace(*chosen);
    Label47->setText(clock_.faceName());
    writeFont(chosen->family(), chosen->bold(), chosen->italic(), clock_.textColour());
}

void SettingsPage::Command32_Click() {
    const std::optional<QColor> chosen = dialogs::chooseColour(this, lastDialogColour());
    if (!chosen)
        return;
    lastDialogColour() = *chosen;
    clock_.applyTextColour(*chosen);
    const QFont face = clock_.clockFace();
    writeFont(clock_.faceName(), face.bold(), face.italic(), *chosen);
}

void SettingsPage::writeFont(const QString& name, bool bold, bool italic, const QColor& colour) {
    const FontRecord record{name, bold, italic ? record::TrueText : record::FalseText,
                            colours::toStored(colour)};
    QString problem;
    const auto bytes = settingsfile::writeFont(record, &problem);
    form2_.context().save(datafile::Font, bytes, problem);
}

void SettingsPage::Command20_Click() {
    if (settings_.Aset().is(1))
        settings_.setAset(false);
    else if (settings_.Aset().is(0))
        settings_.setAset(true);
}
