#pragma once

#include <QString>

// What a window does when its file could not be written, so that a folder the
// coach cannot write never traps him in the window.

// "Cannot write the file <path>.  <notSaved>", or only its first sentence
// when nothing more is to be said.
QString NotWrittenMessage(const QString& path, const QString& notSaved = {});
// The error box with that message.
void ShowNotWritten(const QString& path, const QString& notSaved = {});
// "Close the <what> without saving your changes?"; true for Yes.
bool CloseWithoutSaving(const QString& what);
