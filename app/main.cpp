#include "core/Clock.h"
#include "core/InstallLayout.h"
#include "mainwindow/Form1.h"
#include "platform/Platform.h"
#include "ui/Context.h"
#include "ui/Startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const bool choseX11 = startup::chooseX11UnderWayland();
    QApplication app(argc, argv);
    if (choseX11)
        startup::forgetPlatformChoice();
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    startup::installJapanese(app);
    startup::registerFontSubstitutions();

    const std::unique_ptr<Platform> platform = createPlatform();
    SystemClock clock;
    const DataFolder data =
        installlayout::dataFolderForThisUser(QApplication::applicationDirPath());
    // Every exit ends the process at once; all settings were saved when they changed.
    Context context(*platform, clock, data, [] {
        std::fflush(nullptr);
        std::_Exit(0);
    });

    Form1 form1(context);
    form1.Form_Load();
    return app.exec();
}
