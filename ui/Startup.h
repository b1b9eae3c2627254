#pragma once

class QApplication;

namespace startup {

// Before the application is made: where the session offers X11 beside Wayland and the user
// chose no Qt platform, the program runs on X11, because Wayland lets no program place its
// window or keep it in front. True when it chose.
bool chooseX11UnderWayland();
// Once the application is made: programs started from the launcher get the user's choice.
void forgetPlatformChoice();

// The design's Japanese faces map to installed ones, so no text shows as boxes.
void registerFontSubstitutions();
// Qt's own dialogs and buttons speak Japanese whatever the machine's locale.
void installJapanese(QApplication& app);

} // namespace startup
