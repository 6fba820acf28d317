#include "app/DataFolderChoice.h"

#include "app/ApplicationId.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

// Anything named data counts as present, as it does for the store.
bool holdsData(const QString& folder)
{
    struct stat info;
    return lstat(QFile::encodeName(folder + QStringLiteral("/data")).constData(), &info) == 0;
}

} // namespace

bool FolderIsWritable(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat info;
    if (stat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return (info.st_mode & 0222) != 0 && access(name.constData(), W_OK) == 0;
}

bool IsInstalledCopy(const QString& executableFolder)
{
    const QDir bin(withoutTrailingSlash(executableFolder));
    return bin.dirName() == QStringLiteral("bin") &&
           QFileInfo::exists(bin.filePath(QStringLiteral("../share/applications/") +
                                          ApplicationId::desktopFileName()));
}

QString DataParentFolder(const QString& executableFolder, const QString& perUserFolder)
{
    const QString folder = withoutTrailingSlash(executableFolder);
    if (holdsData(folder))
        return folder;
    if (FolderIsWritable(folder) && !IsInstalledCopy(folder))
        return folder;
    return withoutTrailingSlash(perUserFolder);
}

QString InitDataFolder(const QString& executableFolder, const QString& perUserFolder)
{
    const QString parent = DataParentFolder(executableFolder, perUserFolder);
    // The per-user location may not exist yet; the data folder itself is
    // made by the store, which reports when it cannot be.
    if (parent != withoutTrailingSlash(executableFolder))
        QDir().mkpath(parent);
    return QString::fromStdString(InitDataDir(parent.toStdString()));
}
