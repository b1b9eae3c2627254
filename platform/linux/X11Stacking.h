#pragma once

class QWidget;

// The window manager's stacking, asked for through the EWMH hints. Qt has no call
// that leaves a window above the normal windows without keeping it on top.
namespace x11stacking {

// True where the program runs on an X server, where these requests mean something.
bool available();
// Asks the window manager to add or remove the "above" state of the shown window.
void setAbove(QWidget* window, bool above);
// Asks for the shown window at the top of its layer.
void raise(QWidget* window);

} // namespace x11stacking
