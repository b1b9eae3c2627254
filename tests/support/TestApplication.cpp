#include "TestApplication.h"

#include "ui/Startup.h"

#include <QApplication>

namespace testapp {

void useOffscreenPlatform() {
    // Widget tests never need a real display, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void speakJapanese(QApplication& app) {
    startup::registerFontSubstitutions();
    startup::installJapanese(app);
}

} // namespace testapp
