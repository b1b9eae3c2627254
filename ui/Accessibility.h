#pragma once

class QWidget;

// What screen readers are told about the program's own kinds of control and its windows.
namespace accessibility {

// Installs the program's interfaces; safe to call more than once.
void install();

// Whether widget's middle lies inside its window. The clock window's small size modes cut
// controls off: those are neither announced nor reached by Tab.
bool insideWindow(const QWidget* widget);

} // namespace accessibility
