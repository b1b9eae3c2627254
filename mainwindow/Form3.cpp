#include "Form3.h"

#include "core/AppInfo.h"
#include "ui/Colours.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QThread>

namespace {
constexpr int IdleSliceMs = 15;
const QRect VersionPlace(250, 190, 142, 22);
constexpr int VersionPixels = 13;
const QString AccessibleName = QStringLiteral("起動ロゴ");
} // namespace

Form3::Form3(int holdMs)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen)
    , holdMs_(holdMs) {
    setObjectName(QStringLiteral("Form3"));
    setAccessibleName(AccessibleName);
    auto* picture = new QLabel(this);
    picture->setPixmap(pictures::load(QStringLiteral("Logo")));
    picture->adjustSize();
    setFixedSize(picture->size());
    Label1 = new QLabel(appinfo::Version, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(VersionPlace);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont face = Label1->font();
    face.setPixelSize(VersionPixels);
    Label1->setFont(face);
    colours::setText(Label1, Qt::white);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void Form3::showAndPaint() {
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Form3::Unload() {
    if (!isVisible())
        return;
    // Elapsed time, not the wall clock, so midnight or a clock change cannot stretch it.
    QElapsedTimer held;
    held.start();
    while (held.elapsed() <= holdMs_) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(IdleSliceMs);
    }
    hide();
}
