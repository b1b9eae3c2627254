#include "Installation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace {
constexpr int PollMs = 100;
const QString Xvfb = QStringLiteral("Xvfb");
} // namespace

VirtualDisplay::VirtualDisplay() {
    // Xvfb picks a free display and tells its number on the descriptor we give it.
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start(Xvfb,
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    if (!server_.waitForStarted())
        return;
    QElapsedTimer waited;
    waited.start();
    QByteArray output;
    while (!output.contains('\n') && waited.elapsed() < 10000) {
        server_.waitForReadyRead(PollMs);
        output += server_.readAllStandardOutput();
    }
    if (output.trimmed().isEmpty())
        return;
    name_ = u':' + QString::fromLatin1(output.trimmed());
}

VirtualDisplay::~VirtualDisplay() {
    server_.terminate();
    server_.waitForFinished(3000);
}

Installation::Installation() {
    const QString executable = QStringLiteral(MORVANE_EXECUTABLE);
    QFile::copy(executable, QDir(folder()).filePath(QStringLiteral("morvane")));
    for (const QString& module :
         {QStringLiteral(MORVANE_SOUND_MODULE), QStringLiteral(MORVANE_DESKTOP_MODULE)})
        QFile::copy(module, QDir(folder()).filePath(QFileInfo(module).fileName()));
    copyDeliveredData();
}

Installation::Installation(const QString& windowsFolder)
    : program_(QStringLiteral("morvane.exe"))
    , runner_{QStringLiteral("wine")} {
    // The program's own folder is where it looks for Data, so the program is a copy; Wine
    // reads the libraries through the links.
    const QDir unpacked(windowsFolder);
    for (const QString& name : unpacked.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString to = QDir(folder()).filePath(name);
        if (name == program_)
            QFile::copy(unpacked.filePath(name), to);
        else if (name != QLatin1String("Data"))
            QFile::link(unpacked.filePath(name), to);
    }
    copyDeliveredData();
}

void Installation::copyDeliveredData() const {
    QDir().mkpath(QDir(folder()).filePath(QStringLiteral("Data")));
    const QDir delivered(QStringLiteral(MORVANE_SOURCE_DIR "/Data"));
    for (const QString& name : delivered.entryList({QStringLiteral("*.kvi")}, QDir::Files))
        QFile::copy(delivered.filePath(name), dataPath(name));
}

QString Installation::dataPath(const QString& name) const {
    return QDir(folder()).filePath(QStringLiteral("Data/") + name);
}

void Installation::setFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dataPath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray Installation::file(const QString& name) const {
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<QProcess> Installation::start(const VirtualDisplay& display,
                                              const QStringList& prefix,
                                              const QProcessEnvironment& extra) const {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), display.name());
    for (const QString& key : extra.keys())
        environment.insert(key, extra.value(key));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(folder());
    const QStringList command = prefix + runner_ << QDir(folder()).filePath(program_);
    process->start(command.first(), command.mid(1));
    process->waitForStarted();
    return process;
}

QString runOn(const QString& display, const QString& program, const QStringList& arguments) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString xdotool(const QString& display, const QStringList& arguments) {
    return runOn(display, QStringLiteral("xdotool"), arguments).trimmed();
}

QString xdotool(const VirtualDisplay& display, const QStringList& arguments) {
    return xdotool(display.name(), arguments);
}

QStringList waitForWindows(const VirtualDisplay& display, const QString& namePattern, int timeoutMs,
                           qint64 pid) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        QStringList arguments{QStringLiteral("search"), QStringLiteral("--onlyvisible")};
        if (pid)
            arguments << QStringLiteral("--pid") << QString::number(pid);
        const QStringList windows =
            xdotool(display, arguments << QStringLiteral("--name") << namePattern)
                .split(u'\n', Qt::SkipEmptyParts);
        if (!windows.isEmpty())
            return windows;
        QThread::msleep(PollMs);
    }
    return {};
}

QRect windowGeometry(const VirtualDisplay& display, const QString& window) {
    const QString output =
        xdotool(display, {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    QRect geometry;
    for (const QString& line : output.split(u'\n')) {
        const int value = line.section(u'=', 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            geometry.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            geometry.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            geometry.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            geometry.setHeight(value);
    }
    return geometry;
}
