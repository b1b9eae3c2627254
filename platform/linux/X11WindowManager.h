#pragma once

#include <QPoint>
#include <optional>

class QWidget;

// What the program asks of the window manager through the EWMH hints, where Qt's own calls
// fall short: Qt has no call that leaves a window above the normal windows without keeping it
// on top, and its move starts from the pointer's latest place rather than the press.
namespace x11wm {

// True where the program runs on an X server, where these requests mean something.
bool available();

// What the window manager lets the program do with its windows.
struct Abilities {
    bool places;       // a window shows where the program puts it
    bool keepsInFront; // a window asked to stay in front does
};
// Asks the running window manager, if any, what it says of itself; a few round trips.
Abilities abilities();
// Asks the window manager to add or remove the "above" state of the shown window.
void setAbove(QWidget* window, bool above);
// Asks for the shown window at the top of its layer.
void raise(QWidget* window);
// Asks the window manager to move the window with the held left button, as from a press at
// grip (inside the window); false where it offers no such move.
bool startMove(QWidget* window, const QPoint& grip);
// Where the window's top left corner is on the screen, in logical pixels; nothing where the
// server does not answer.
std::optional<QPoint> placeOf(const QWidget* window);

} // namespace x11wm
