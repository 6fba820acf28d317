#include "drills/DrillWindows.h"

#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"

#include <QPointer>

namespace {

QPointer<QWidget> pendingOwner;

} // namespace

void CreateDrillWindowsOnFirstUse(QWidget* owner)
{
    pendingOwner = owner;
}

void CreatePendingDrillWindows()
{
    QWidget* owner = pendingOwner;
    if (!owner)
        return;
    pendingOwner = nullptr; // the constructors below ask for the instances again
    if (!TDrillCat::instance())
        new TDrillCat(owner);
    if (!TDrillEntry::instance())
        new TDrillEntry(owner);
}
