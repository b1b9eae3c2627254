#pragma once

class QApplication;

namespace startup {

// The design's Japanese faces map to installed ones, so no text shows as boxes.
void registerFontSubstitutions();
// Qt's own dialogs and buttons speak Japanese whatever the machine's locale.
void installJapanese(QApplication& app);

} // namespace startup
