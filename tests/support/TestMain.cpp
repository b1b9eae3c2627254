#include "Dialogs.h"
#include "Startup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widget tests never need a real display, also when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    startup::registerFontSubstitutions();
    startup::installJapanese(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
