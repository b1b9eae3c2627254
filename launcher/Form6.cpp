#include "Form6.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {
const QString Caption = QStringLiteral("Now Loading...");
constexpr int TimerMs = 10;
const QSize WindowSize(220, 64);
constexpr int CaptionPixels = 16;
} // namespace

Form6::Form6(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(WindowSize);
    setStyleSheet(QStringLiteral("QFrame#Frame1 { background: #0d1b3a; border: 1px solid #3a5596; }"
                                 "QLabel#Label1 { color: #e8eefc; }"));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(rect());
    Label1 = new QLabel(Caption, Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Frame1->rect());
    Label1->setAlignment(Qt::AlignCenter);
    QFont face = Label1->font();
    face.setPixelSize(CaptionPixels);
    Label1->setFont(face);
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
    Timer1->start();
}

void Form6::Timer1_Timer() {
    if (showLauncher)
        showLauncher();
    hide();
}
