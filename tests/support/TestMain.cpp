#include "TestApplication.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testapp::useOffscreenPlatform();
    testapp::useScaleFactorArgument(argc, argv);
    QApplication app(argc, argv);
    testapp::speakJapanese(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
