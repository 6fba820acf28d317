#pragma once

class QDialog;
class QSize;

// The two ways a window of the program is shown from a command.

// Raises `window` when it is already shown, else shows it without a modal hold.
void ShowModeless(QDialog& window);
// Runs `window` modally through the platform. A window already on the screen
// cannot be made modal: that is refused with the program's error box.
int ShowModal(QDialog& window);

// Gives `window` the frame of a dialog: a fixed client area, and a title bar
// with the close box only, since a dialog laid out to the pixel can be neither
// resized, maximised nor minimised.
void SetDialogFrame(QDialog& window, const QSize& clientSize);
