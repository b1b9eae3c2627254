#include "Form6.h"

#include "ui/Colours.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {
const QString Caption = QStringLiteral("Now Loading...");
const QString AccessibleName = QStringLiteral("読み込み中");
const QColor Panel(0x0d, 0x1b, 0x3a);
const QColor Edge(0x3a, 0x55, 0x96);
const QColor Text(0xe8, 0xee, 0xfc);
constexpr int TimerMs = 10;
// How long the timer waits for the window system to show the window, in timer rounds.
constexpr int ExposeRounds = 50;
const QSize WindowSize(220, 64);
constexpr int CaptionPixels = 16;
} // namespace

Form6::Form6(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form6"));
    setAccessibleName(AccessibleName);
    setFixedSize(WindowSize);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(rect());
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setAutoFillBackground(true);
    QPalette colours = Frame1->palette();
    colours.setColor(QPalette::Window, Panel);
    colours.setColor(QPalette::WindowText, Edge);
    Frame1->setPalette(colours);
    Label1 = new QLabel(Caption, Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Frame1->rect());
    Label1->setAlignment(Qt::AlignCenter);
    QFont face = Label1->font();
    face.setPixelSize(CaptionPixels);
    Label1->setFont(face);
    colours::setText(Label1, Text);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form6::Timer1_Timer);
}

void Form6::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    roundsLeft_ = ExposeRounds;
    Timer1->start();
}

void Form6::Timer1_Timer() {
    const QWindow* handle = windowHandle();
    if (handle && !handle->isExposed() && --roundsLeft_ > 0) {
        Timer1->start();
        return;
    }
    // The launcher's load holds the event loop: the box says what the user waits for.
    repaint();
    if (showLauncher)
        showLauncher();
    hide();
    // Without its native window the hidden window leaves a screen reader's tree, and no
    // window manager that had not mapped it yet can map it still.
    destroy();
}
