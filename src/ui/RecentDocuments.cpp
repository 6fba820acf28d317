#include "ui/RecentDocuments.h"

#include "formats/RecentList.h"
#include "ui/Platform.h"

#include <QFileInfo>

namespace {

std::vector<std::string> stored(const QString& list)
{
    std::vector<std::string> paths;
    for (const QString& path : Platform::instance().recentDocuments(list))
        paths.push_back(path.toStdString());
    return paths;
}

void store(const QString& list, const std::vector<std::string>& paths)
{
    QStringList texts;
    for (const std::string& path : paths)
        texts << QString::fromStdString(path);
    Platform::instance().setRecentDocuments(list, texts);
}

} // namespace

QStringList RecentDocuments(const QString& list)
{
    QStringList texts;
    for (const std::string& path : TidyRecentList(stored(list)))
        texts << QString::fromStdString(path);
    return texts;
}

void NoteRecentDocument(const QString& list, const QString& path)
{
    if (QFileInfo(path).isFile())
        store(list, WithRecentDocument(stored(list), path.toStdString()));
}

void ForgetRecentDocument(const QString& list, const QString& path)
{
    store(list, WithoutDocument(stored(list), path.toStdString()));
}

void ClearRecentDocuments(const QString& list)
{
    store(list, {});
}
