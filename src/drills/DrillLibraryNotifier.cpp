#include "drills/DrillLibraryNotifier.h"

DrillLibraryNotifier& DrillLibraryNotifier::instance()
{
    static DrillLibraryNotifier notifier;
    return notifier;
}

void DrillLibraryNotifier::announceSaved()
{
    emit saved();
}
