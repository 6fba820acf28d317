#pragma once

class QLabel;
class QString;
class QWidget;

// The small services every window uses: the two message boxes, the window
// position memory in prefs.db, help topics and the team banner.

// "Confirm" box with Yes and No; true for Yes.
bool AskConfirm(const QString& text);
// A beep, then the "Error" box with OK.
void ShowError(const QString& text);
// The box of an error the program runs into rather than a rule it states (a
// text that is no number, a visible window asked to be modal): captioned with
// the program's title, as an exception raised in a command is shown.
void ShowApplicationError(const QString& text);
// "Corvanta": the program's title, the caption of that box.
QString ApplicationTitle();

// Places `window` from section's "X" and "Y" in prefs.db, or below the main
// window, kept on the screen, when no position is stored.
void RestoreWindowPos(QWidget* window, const char* section);
void SaveWindowPos(const QWidget* window, const char* section);

void ShowHelpTopic(int context);

// Shows the stored team name in the team's font and colours at `points`; with
// no name stored the label keeps what it showed.
void LoadTeamBanner(QLabel* label, int points);

// The main window that positions are measured against (set once by it).
void SetMainWindow(QWidget* window);
QWidget* MainWindow();
