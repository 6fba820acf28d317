#include "ui/SaveFailure.h"

#include "ui/DialogServices.h"

#include <QString>

QString NotWrittenMessage(const QString& path, const QString& notSaved)
{
    return QStringLiteral("Cannot write the file ") + path + QStringLiteral(".  ") + notSaved;
}

void ShowNotWritten(const QString& path, const QString& notSaved)
{
    ShowError(NotWrittenMessage(path, notSaved));
}

bool CloseWithoutSaving(const QString& what)
{
    return AskConfirm(QStringLiteral("Close the ") + what +
                      QStringLiteral(" without saving your changes?"));
}
