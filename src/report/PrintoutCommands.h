#pragma once

#include <functional>

class QAbstractButton;
struct Printout;

// Print Preview and Export as PDF for a window's Print button: in the
// button's context menu, under the button's own command, and on Ctrl+Shift+P
// and Ctrl+Shift+E while the window is active. `printout` is asked each time,
// so it shows the window as it is then.
void AddPrintoutCommands(QAbstractButton* printButton, std::function<Printout()> printout);
