#pragma once

#include "app/TMainForm.h"

#include <QSignalSpy>

// Shows the frame and waits for the steps of its first showing (welcome,
// banner, new plan), which run once the frame has been painted. False when
// they never ran.
[[nodiscard]] inline bool ShowFrame(TMainForm& form)
{
    QSignalSpy done(&form, &TMainForm::firstShowDone);
    form.show();
    return !done.isEmpty() || done.wait(5000);
}
