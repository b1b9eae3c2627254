// The launcher's load against its floor, on a real display; one measure per process.
//   launcher_benchmark launcher INSTALL_FOLDER   from the menu item to the launcher shown
//   launcher_benchmark floor ICON_NAME...       a bare window with those theme icons on buttons
// Prints the milliseconds from the start of the measure to the window's first exposure.
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "launcher/Form4.h"
#include "launcher/Form6.h"
#include "launcher/Launcher.h"
#include "platform/Platform.h"
#include "ui/Context.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QWindow>
#include <cstdio>

namespace {

constexpr int IconPixels = 32;
constexpr int Columns = 6;

void waitUntilExposed(const std::function<QWidget*()>& window) {
    for (;;) {
        QWidget* shown = window();
        if (shown && shown->windowHandle() && shown->windowHandle()->isExposed())
            return;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

qint64 launcher(const QString& installFolder) {
    const auto platform = createPlatform();
    SystemClock clock;
    const DataFolder data(installFolder);
    Context context(*platform, clock, data, [] {});
    Form6 form6(nullptr);
    Launcher host(context, nullptr);
    form6.showLauncher = [&host] { host.show(); };
    QElapsedTimer elapsed;
    elapsed.start();
    form6.show();
    waitUntilExposed([&host] { return static_cast<QWidget*>(host.form4()); });
    return elapsed.elapsed();
}

qint64 bareWindow(const QStringList& iconNames) {
    QElapsedTimer elapsed;
    elapsed.start();
    if (QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QWidget window;
    auto* grid = new QGridLayout(&window);
    for (int i = 0; i < iconNames.size(); ++i) {
        auto* button = new QPushButton;
        button->setIconSize(QSize(IconPixels, IconPixels));
        button->setIcon(QIcon::fromTheme(iconNames[i]));
        grid->addWidget(button, i / Columns, i % Columns);
    }
    window.show();
    waitUntilExposed([&window] { return &window; });
    return elapsed.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() < 2)
        return 2;
    const qint64 ms = arguments[0] == QLatin1String("launcher") ? launcher(arguments[1])
                                                                : bareWindow(arguments.mid(1));
    std::printf("%lld\n", static_cast<long long>(ms));
    return 0;
}
