// Opening and closing the function screen a thousand times, every page shown, on the real
// platform: what each closing destroys must give its memory back.
#include "FakeClock.h"
#include "core/DataFolder.h"
#include "functionscreen/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr int WarmUpCycles = 50;
constexpr int Cycles = 1000;
constexpr qint64 MaxGrowthBytes = 2 * 1024 * 1024;
const QByteArray QuickSettings = "0,0,1,\"off\",12,0,0,0,1\r\n";

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

void openAndClose(Form1& form1) {
    Form2& form2 = form1.F2();
    for (int page = int(Form2::PageId::System); page <= int(Form2::PageId::Product); ++page) {
        form2.bringToFront(Form2::PageId(page));
        form2.showPage();
        QApplication::processEvents();
    }
    form2.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

TEST(FunctionScreenCycles, AThousandOpeningsAndClosingsGiveTheirMemoryBack) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    QDir().mkpath(data.folder());
    const QDir delivered(QStringLiteral(MORVANE_SOURCE_DIR "/Data"));
    for (const QString& name : delivered.entryList({QStringLiteral("*.kvi")}, QDir::Files))
        QFile::copy(delivered.filePath(name), data.path(name));
    QFile settings(data.path(datafile::Settings));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(QuickSettings);
    settings.close();
    // The desktop's settings of a new user, not this machine's.
    QTemporaryDir config;
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    dialogs::script::begin([](const dialogs::script::Shown& shown, const QString&) {
        ADD_FAILURE() << "unexpected message: " << shown.text.toStdString();
    });
    const std::unique_ptr<Platform> platform = createPlatform();
    FakeClock clock;
    Context context(*platform, clock, data, [] {});
    Form1 form1(context);
    form1.Form_Load();
    for (int cycle = 0; cycle < WarmUpCycles; ++cycle)
        openAndClose(form1);
    const qint64 before = residentBytes();
    for (int cycle = 0; cycle < Cycles; ++cycle)
        openAndClose(form1);
    const qint64 growth = residentBytes() - before;
    std::printf("%d openings and closings: resident size grew by %lld KiB\n", Cycles,
                growth / 1024);
    EXPECT_LT(growth, MaxGrowthBytes);
    dialogs::script::end();
}
