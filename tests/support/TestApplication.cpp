#include "TestApplication.h"

#include "ui/Startup.h"

#include <QApplication>

namespace testapp {

void useOffscreenPlatform() {
    // Widget tests never need a real display, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void useScaleFactorArgument(int argc, char* argv[]) {
    const QByteArray option("--scale-factor=");
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith(option))
            qputenv("QT_SCALE_FACTOR", argument.mid(option.size()));
    }
}

void speakJapanese(QApplication& app) {
    startup::registerFontSubstitutions();
    startup::installJapanese(app);
}

} // namespace testapp
