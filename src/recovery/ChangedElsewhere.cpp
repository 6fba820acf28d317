#include "recovery/ChangedElsewhere.h"

#include "ui/DialogServices.h"

void ChangedElsewhere::remember(const QString& path)
{
    m_file.remember(path.toStdString());
}

void ChangedElsewhere::remember(const std::string& path, const FileFingerprint& read)
{
    m_file.remember(path, read);
}

bool ChangedElsewhere::mayReplace(const QString& path)
{
    const std::string file = path.toStdString();
    if (file != m_file.path() || !m_file.changedElsewhere())
        return true;
    if (!AskConfirm(question(path)))
        return false;
    m_file.remember(file);
    return true;
}

QString ChangedElsewhere::question(const QString& path)
{
    return path + QStringLiteral(" was changed by another program since you opened it. Replace it "
                                 "with your version?");
}
