#pragma once

class QComboBox;
class QLineEdit;
class QString;

// The texts of one-line fields as the program fills them and as it takes them
// for a file.

// Puts a text of the program's (a name from a file, a stored value) in the
// field with its start in view, as a coach reads it: QLineEdit alone leaves
// the cursor after the last character, so a long name shows only its end.
void FillField(QLineEdit* field, const QString& text);
// The same for the typed part of an editable drop-down list.
void FillField(QComboBox* box, const QString& text);

// What the file will give back for the field's text (StoredText), put in
// the field too, so that the window shows what a reload would.
QString TakeStoredText(QLineEdit* field);
