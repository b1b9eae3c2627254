#pragma once

class QApplication;

// Widget tests and benchmarks run without a display, with the program's fonts and texts.
namespace testapp {
// Before the application exists: the offscreen platform unless one is named.
void useOffscreenPlatform();
// After it exists: the font substitutions and the Japanese translations.
void speakJapanese(QApplication& app);
} // namespace testapp
