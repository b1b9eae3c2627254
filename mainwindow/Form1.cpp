#include "Form1.h"

#include "Form3.h"
#include "SizeModes.h"
#include "WindowPlace.h"
#include "core/DataFolder.h"
#include "core/Patterns.h"
#include "core/RecordFormat.h"
#include "functionscreen/Form2.h"
#include "functionscreen/SettingsPage.h"
#include "launcher/Form6.h"
#include "launcher/Launcher.h"
#include "platform/Platform.h"
#include "ui/ButtonKeys.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString SecondCopyMessage = QStringLiteral("モルベーンはすでに開かれています。");
constexpr int TickMs = 250;
// Shows where a background picture does not reach.
const QColor PanelColour(0x0d, 0x1b, 0x3a);

} // namespace

Form1::Form1(Context& context, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , context_(context)
    , form2_(new Form2(context, *this))
    , form6_(new Form6(this))
    , launcher_(new Launcher(context, this)) {
    form6_->showLauncher = [this] { launcher_->show(); };
    // Every window of the program hangs off this one.
    buttonkeys::install();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(appinfo::Title);
    setAttribute(Qt::WA_QuitOnClose);
    createControls();
    createMenu();
    nameControls();
    connectControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

Form1::~Form1() {
    delete form2_;
}

Form2& Form1::F2() {
    if (!form2_->isLoaded())
        form2_->Load();
    return *form2_;
}

bool Form1::form2Loaded() const {
    return form2_->isLoaded();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), PanelColour);
    painter.drawPixmap(0, 0, background_);
}

void Form1::Form_Load() {
    // The lock comes before any write, so that a copy about to be refused leaves the
    // running copy's files alone; it is refused only once its window has shown.
    const bool firstCopy = context_.platform.claimSingleInstance(context_.data.folder());
    if (firstCopy)
        datafile::removeStaleTemporaries(context_.data);
    else
        context_.closeWrites();
    context_.holdNotices();
    readSettings();
    showLogo();
    readPosition();
    Label10->setText(MemMni.is(2) ? summaryLine() : QString());
    applySizeMode(MemMni);
    applyLockAtLoad();
    MemCheck();
    applyAlwaysOnTop();
    if (SsVis1 == 0 || SsVis1 == 1)
        F2().Picture7->Check6->setChecked(SsVis1 == 1);
    // The same as the function screen does at its own load.
    F2().Picture7->applyAlarmSwitch();
    readFont();
    F2().Picture7->Label47->setText(Label2->font().family());
    firstDisplay();
    almGuard_ = 1;
    almRaise_ = 0;
    applyCheckBoxesAtLoad();
    context_.releaseNotices();
    show();
    if (!firstCopy)
        refuseSecondCopy();
    Timer1->start();
}

void Form1::readSettings() {
    const SettingsRecord st =
        context_.load<SettingsRecord>(datafile::Settings, settingsfile::parseSettings);
    Ichi = st.iti;
    Front1 = st.front;
    AlmFront = st.almFro;
    KRogo = st.rogo;
    TAmPm = st.tAmPm;
    YMD1 = st.ymd;
    SsVis1 = st.ssVis;
    Aset1 = qint16(st.aset.toNumber());
    MemMni1 = qint16(st.memMni.toNumber());

    Iti = Ichi;
    form2_->Fro = qint16(Front1.toNumber());
    Front = Front1;
    form2_->AlmFro = AlmFront;
    form2_->Rogo = KRogo;
    form2_->TTAmPm = TAmPm;
    form2_->YMD = YMD1;
    form2_->SsVis = SsVis1;
    Aset = Variant::number(Aset1);
    MemMni = Variant::number(MemMni1);
}

void Form1::showLogo() {
    if (KRogo != settingsfile::LogoOn)
        return;
    Form3 logo(logoHoldMs_);
    logo.showAndPaint();
    logo.Unload();
}

void Form1::readPosition() {
    const PositionRecord stored =
        context_.load<PositionRecord>(datafile::Position, settingsfile::parsePosition);
    const std::optional<SizeMode> mode = sizeModeOf(MemMni);
    const QSize size = mode ? twips::size(mode->widthTwips, mode->heightTwips) : this->size();
    // A position partly off the screen is kept: the user may have a screen there again.
    position_ = windowplace::visible(stored, size, context_.platform.screenAreas());
    move(windowplace::pixels(position_));
}

void Form1::applySizeMode(const Variant& mode) {
    const std::optional<SizeMode> row = sizeModeOf(mode);
    if (!row)
        return;
    background_ = this->*(row->background);
    pictures::show(GLMS, this->*(row->face));
    pictures::show(GLMSa, this->*(row->face));
    GLMSa->setVisible(row->glmsaVisible);
    setFixedSize(twips::size(row->widthTwips, row->heightTwips));
    showOnlyWholeControls();
    F2().Picture7->Command23->setText(row->caption);
    if (row->mode != 2)
        Label10->clear();
    update();
}

void Form1::showOnlyWholeControls() {
    for (QWidget* control : cutOff_)
        control->show();
    cutOff_.clear();
    // A control the window's edge cuts through is not shown at all: a sliver of a figure or
    // of a button reads as a smudge. The title strip stays, as the handle to drag by.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = control->geometry();
        const bool cut = rect().intersects(place) && !rect().contains(place);
        if (cut && control != Label10 && !control->isWindow() && control->isVisibleTo(this)) {
            control->hide();
            cutOff_.append(control);
        }
    }
}

void Form1::applyLockAtLoad() {
    if (Iti.is(0)) {
        pictures::show(Ido, IdoO);
    } else if (Iti.is(1)) {
        pictures::show(Ido, IdoN);
    } else if (Iti.toNumber() > 1) {
        Iti = Variant::number(1);
        pictures::show(Ido, IdoN);
        F2().stSave();
    }
}

void Form1::applyAlwaysOnTop() {
    if (Front.is(1)) {
        context_.platform.setTopmost(this, true);
        F2().Picture7->Check3->setChecked(true);
    } else if (Front.is(0)) {
        context_.platform.setTopmost(this, false);
        F2().Picture7->Check3->setChecked(false);
    }
}

void Form1::readFont() {
    const FontRecord fot = context_.load<FontRecord>(datafile::Font, settingsfile::parseFont);
    for (QLabel* label : {Label2, Label3, Label17}) {
        QFont font = label->font();
        font.setFamily(fot.name);
        font.setBold(fot.bold);
        if (fot.italic == record::TrueText || fot.italic == record::FalseText)
            font.setItalic(fot.italic == record::TrueText);
        label->setFont(font);
    }
    for (QLabel* label : {Label2, Label3, Label17, tAM, tPM})
        colours::setText(label, colours::fromStored(fot.colour));
}

void Form1::firstDisplay() {
    const ClockTexts& texts = clockTexts_.at(context_.clock.now());
    Label1->setText(texts.twelveHour);
    setTimeAndLamps(texts, Qt::white);
    Label3->setText(texts.seconds);
    showDate(texts);
}

void Form1::applyCheckBoxesAtLoad() {
    SettingsPage& page = *F2().Picture7;
    if (AlmFront.is(0) || AlmFront.is(1))
        page.Check2->setChecked(AlmFront.is(1));
    if (KRogo == settingsfile::LogoOn || KRogo == settingsfile::LogoOff)
        page.Check1->setChecked(KRogo == settingsfile::LogoOn);
    if (TAmPm.is(12) || TAmPm.is(24))
        page.Check4->setChecked(TAmPm.is(12));
}

void Form1::refuseSecondCopy() {
    dialogs::message(this, SecondCopyMessage, dialogs::Style::OkExclamation);
    endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    endProgram();
}

void Form1::endProgram() {
    context_.platform.stopSound();
    writePosition();
    context_.endProgram();
}

void Form1::writePosition() {
    // Where pos() is not the window's place, the stored place stays as it is.
    if (!context_.platform.canPlaceWindows())
        return;
    position_ = windowplace::toWrite(position_, pos());
    QString problem;
    const auto bytes = settingsfile::writePosition(position_, &problem);
    context_.save(datafile::Position, bytes, problem);
}

QPoint Form1::place() const {
    return context_.platform.canPlaceWindows() ? pos() : windowplace::pixels(position_);
}
