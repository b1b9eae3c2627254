#pragma once

class QApplication;

// Widget tests and benchmarks run without a display, with the program's fonts and texts.
namespace testapp {
// Before the application exists: the offscreen platform unless one is named.
void useOffscreenPlatform();
// Before the application exists: a scale given as --scale-factor=N, for a system that
// passes the test no QT_SCALE_FACTOR (Windows programs under Wine).
void useScaleFactorArgument(int argc, char* argv[]);
// After it exists: the font substitutions and the Japanese translations.
void speakJapanese(QApplication& app);
} // namespace testapp
