#pragma once

#include <QStringList>

class TMainForm;

// Opens documents named outside the program (the command line, a file
// manager), each in its window by its extension, as the menu's commands
// would. A document of no known kind gets a message naming it; the rest still
// open.
void OpenDocuments(TMainForm& form, const QStringList& paths);
// Shows the frame maximised at start-up with these documents open; with none,
// the frame opens its automatic new plan as usual.
void ShowWithDocuments(TMainForm& form, const QStringList& paths);
void OpenDocument(TMainForm& form, const QString& path);
// Documents another start handed over: the frame comes to the front and
// opens them, once no modal box of its own is waiting for an answer.
void OpenHandedOver(TMainForm& form, const QStringList& paths);
