#include "Harness.h"

#include "Polling.h"
#include "core/Cp932.h"
#include "ui/Aside.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

Harness::Harness()
    : data(folder.path())
    , context(platform, clock, data, [this] { ++ended; }) {
    QDir().mkpath(data.folder());
    const QDir delivered(QStringLiteral(MORVANE_SOURCE_DIR "/Data"));
    for (const QString& name : delivered.entryList({QStringLiteral("*.kvi")}, QDir::Files))
        QFile::copy(delivered.filePath(name), data.path(name));
    dialogs::script::begin([](const dialogs::script::Shown& shown, const QString& fault) {
        ADD_FAILURE() << fault.toStdString() << " for the " << shown.kind.toStdString() << " \""
                      << shown.text.toStdString() << '"';
    });
}

Harness::~Harness() {
    form1_.reset();
    // Work still running aside may use the fake platform, which goes with the harness.
    EXPECT_TRUE(aside::waitForAll(PollDeadlineMs)) << "work aside still running";
    EXPECT_EQ(dialogs::script::unused(), 0) << "replies were scripted for dialogs never shown";
    dialogs::script::end();
}

void Harness::setFile(const QString& name, const QByteArray& bytes) {
    QFile file(data.path(name));
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void Harness::removeFile(const QString& name) {
    QFile::remove(data.path(name));
}

QByteArray Harness::file(const QString& name) const {
    QFile file(data.path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Harness::form2Visible() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form2"))
            return window->isVisible();
    }
    return false;
}

QString Harness::dataPath(const QString& name) const {
    return data.path(name);
}

Form1& Harness::start() {
    form1_ = std::make_unique<Form1>(context);
    form1_->setLogoHold(logoHoldMs);
    form1_->Form_Load();
    return *form1_;
}

QByteArray cp932Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp932::encode(line).value() + "\r\n";
    return bytes;
}
