#pragma once

// Return and keypad Enter press the push button that has the focus, on every window of the
// program, as Space does; Qt gives them to a button only in a dialog.
namespace buttonkeys {

// Installs the rule for the whole application; safe to call more than once.
void install();

} // namespace buttonkeys
