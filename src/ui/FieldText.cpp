#include "ui/FieldText.h"

#include "store/PlainText.h"

#include <QComboBox>
#include <QLineEdit>

void FillField(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

void FillField(QComboBox* box, const QString& text)
{
    box->setEditText(text);
    if (QLineEdit* field = box->lineEdit())
        field->setCursorPosition(0);
}

QString TakeStoredText(QLineEdit* field)
{
    const QString stored = QString::fromStdString(StoredText(field->text().toStdString()));
    if (stored != field->text()) {
        // Still the coach's edit, for a window that asks before dropping one.
        const bool modified = field->isModified();
        FillField(field, stored);
        field->setModified(modified);
    }
    return stored;
}
