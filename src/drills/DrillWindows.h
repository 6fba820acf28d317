#pragma once

class QWidget;

// The drill list window and the drill entry dialog are made on first use,
// not at start-up: the first asking for either makes both, owned by `owner`.
void CreateDrillWindowsOnFirstUse(QWidget* owner);
// Makes them now when they are due; does nothing otherwise.
void CreatePendingDrillWindows();
