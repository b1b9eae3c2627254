#include "Form1.h"

#include "Form3.h"
#include "WindowPlace.h"
#include "core/DataFolder.h"
#include "core/Patterns.h"
#include "core/RecordFormat.h"
#include "core/SizeModes.h"
#include "functionscreen/Form2.h"
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

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

namespace {

const QString SecondCopyMessage = QStringLiteral("モルベーンはすでに開かれています。");
constexpr int TickMs = 250;
// Shows where a background picture does not reach.
const QColor PanelColour(0x0d, 0x1b, 0x3a);
// The background and the size buttons' face of each size mode, in mode order.
const std::pair<QPixmap Form1::*, QPixmap Form1::*> SizePictures[] = {
    {&Form1::DaiS, &Form1::GS}, {&Form1::DaiL, &Form1::GM}, {&Form1::DaiSS, &Form1::GL}};

} // namespace

Form1::Form1(Context& context, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , context_(context)
    , settings_(context)
    , form2_(new Form2(context, settings_, *this))
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
    connect(&settings_, &Settings::changed, this, &Form1::showSetting);
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
    settings_.read();
    showLogo();
    readPosition();
    Label10->setText(settings_.MemMni().is(2) ? summaryLine() : QString());
    applySizeMode(settings_.MemMni());
    // The function screen loads here, hidden: it reads its files and applies the settings.
    F2();
    showLock();
    MemCheck();
    applyAlwaysOnTop();
    showAlarmLamp();
    readFont();
    firstDisplay();
    almGuard_ = 1;
    almRaise_ = 0;
    context_.releaseNotices();
    show();
    if (!firstCopy)
        refuseSecondCopy();
    Timer1->start();
}

void Form1::showLogo() {
    if (settings_.Rogo() != settingsfile::LogoOn)
        return;
    Form3 logo(logoHoldMs_);
    logo.showAndPaint();
    logo.Unload();
}

void Form1::readPosition() {
    const PositionRecord stored =
        context_.load<PositionRecord>(datafile::Position, settingsfile::parsePosition);
    const std::optional<SizeMode> mode = sizeModeOf(settings_.MemMni());
    const QSize size = mode ? twips::size(mode->widthTwips, mode->heightTwips) : this->size();
    // A position partly off the screen is kept: the user may have a screen there again.
    position_ = windowplace::visible(stored, size, context_.platform.screenAreas());
    move(windowplace::pixels(position_));
}

void Form1::applySizeMode(const Variant& mode) {
    const std::optional<SizeMode> row = sizeModeOf(mode);
    if (!row)
        return;
    const auto [background, face] = SizePictures[row->mode];
    background_ = this->*background;
    pictures::show(GLMS, this->*face);
    pictures::show(GLMSa, this->*face);
    GLMSa->setVisible(row->glmsaVisible);
    setFixedSize(twips::size(row->widthTwips, row->heightTwips));
    showOnlyWholeControls();
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

void Form1::showLock() {
    if (settings_.Iti().is(0))
        pictures::show(Ido, IdoO);
    else if (settings_.Iti().is(1))
        pictures::show(Ido, IdoN);
}

void Form1::showAlarmLamp() {
    if (settings_.Aset().is(1))
        pictures::show(Image4, A_On);
    else if (settings_.Aset().is(0))
        pictures::show(Image4, A_Off);
}

void Form1::applyAlwaysOnTop() {
    if (settings_.Front().is(1) || settings_.Front().is(0))
        context_.platform.setTopmost(this, settings_.Front().is(1));
}

void Form1::showSetting(Settings::Field field) {
    using Field = Settings::Field;
    switch (field) {
    case Field::Lock:
        showLock();
        break;
    case Field::Front:
        applyAlwaysOnTop();
        break;
    case Field::ClockMode:
        showSummary();
        break;
    case Field::DateForm:
        showDate(clockTexts_.at(context_.clock.now()));
        break;
    case Field::Seconds:
        Label3->setVisible(settings_.SsVis() != 1);
        break;
    case Field::Alarm:
        showAlarmLamp();
        break;
    case Field::Size:
        applySizeMode(settings_.MemMni());
        showSummary();
        break;
    case Field::AlarmFront:
    case Field::Logo:
        break;
    }
}

void Form1::showSummary() {
    if (settings_.MemMni().is(2))
        Label10->setText(summaryLine());
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
    applyTextColour(colours::fromStored(fot.colour));
}

QFont Form1::clockFace() const {
    const QFont& label = Label17->font();
    const QFontInfo shown(label);
    QFont face(shown.family());
    face.setPointSizeF(shown.pointSizeF());
    face.setBold(label.bold());
    face.setItalic(label.italic());
    // The dialog picks its style by name; without one it may land on an unrelated style.
    face.setStyleName(shown.styleName());
    return face;
}

QString Form1::faceName() const {
    return Label2->font().family();
}

QColor Form1::textColour() const {
    return colours::text(Label2);
}

void Form1::applyClockFace(const QFont& face) {
    for (QLabel* label : {Label2, Label3, Label17}) {
        QFont font = label->font();
        font.setFamily(face.family());
        font.setBold(face.bold());
        font.setItalic(face.italic());
        label->setFont(font);
    }
}

void Form1::applyTextColour(const QColor& colour) {
    for (QLabel* label : {Label2, Label3, Label17, tAM, tPM})
        colours::setText(label, colour);
}

void Form1::firstDisplay() {
    const ClockTexts& texts = clockTexts_.at(context_.clock.now());
    Label1->setText(texts.twelveHour);
    setTimeAndLamps(texts, Qt::white);
    Label3->setText(texts.seconds);
    showDate(texts);
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
    position_ = windowplace::toWrite(position_, place());
    QString problem;
    const auto bytes = settingsfile::writePosition(position_, &problem);
    context_.save(datafile::Position, bytes, problem);
}

QPoint Form1::place(Ask ask) const {
    if (!context_.platform.canPlaceWindows())
        return windowplace::pixels(position_);
    return ask == Ask::WindowSystem ? context_.platform.windowPlace(this) : pos();
}
