#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the data directory at a fresh temporary folder for one test.
class TempDataDir
{
public:
    TempDataDir();

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString dataDir() const;
    // Full path of a file in the data directory.
    QString file(const QString& name) const { return dataDir() + name; }
    // Full path of a file beside the data directory, for documents.
    QString document(const QString& name) const { return folder() + name; }

private:
    QTemporaryDir m_dir;
};
