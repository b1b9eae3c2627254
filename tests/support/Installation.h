#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A virtual X display of the test's own.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

// The built program copied into a temporary folder beside a Data folder, as a user
// installs it, and started there on a virtual display.
class Installation {
public:
    Installation();
    // The Windows build's unpacked folder instead, its program copied and the rest linked,
    // started through Wine.
    explicit Installation(const QString& windowsFolder);

    QString folder() const { return dir_.path(); }
    QString dataPath(const QString& name) const;
    void setFile(const QString& name, const QByteArray& bytes) const;
    QByteArray file(const QString& name) const;

    // Starts a copy; prefix runs before it (for example faketime and its time).
    std::unique_ptr<QProcess> start(const VirtualDisplay& display, const QStringList& prefix = {},
                                    const QProcessEnvironment& extra = {}) const;

private:
    void copyDeliveredData() const;

    QTemporaryDir dir_;
    QString program_ = QStringLiteral("morvane");
    QStringList runner_; // what runs the program, before its path
};

// xdotool on the display: waits up to timeoutMs for a visible window whose name matches.
QStringList waitForWindows(const VirtualDisplay& display, const QString& namePattern,
                           int timeoutMs = 20000, qint64 pid = 0);
QRect windowGeometry(const VirtualDisplay& display, const QString& window);
// Runs a program on the display (its name, as ":5") and gives what it printed.
QString runOn(const QString& display, const QString& program, const QStringList& arguments);
// Runs xdotool on the display and gives what it printed, trimmed.
QString xdotool(const QString& display, const QStringList& arguments);
QString xdotool(const VirtualDisplay& display, const QStringList& arguments);
