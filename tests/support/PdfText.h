#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// The text of `pdf` as pdftotext lays it out; a null string when the tool is
// not installed, so the caller can skip the check.
inline QString pdfText(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
