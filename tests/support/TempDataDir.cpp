#include "TempDataDir.h"

#include "store/ProfileStore.h"

TempDataDir::TempDataDir()
{
    InitDataDir(folder().toStdString());
}

QString TempDataDir::dataDir() const
{
    return QString::fromStdString(DataDir());
}
