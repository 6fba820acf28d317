#include "ui/SaveFailure.h"

#include "ui/DialogServices.h"

#include <QString>

QString NotWrittenMessage(const QString& path, const QString& notSaved)
{
    const QString message = QStringLiteral("Cannot write the file ") + path + QLatin1Char('.');
    return notSaved.isEmpty() ? message : message + QStringLiteral("  ") + notSaved;
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
