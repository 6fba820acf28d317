#pragma once

class QDialog;

// The two ways a window of the program is shown from a command.

// Raises `window` when it is already shown, else shows it without a modal hold.
void ShowModeless(QDialog& window);
// Runs `window` modally through the platform. A window already on the screen
// cannot be made modal: that is refused with the program's error box.
int ShowModal(QDialog& window);
