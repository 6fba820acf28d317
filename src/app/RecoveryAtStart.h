#pragma once

class TMainForm;

// What the frame does with the recovery copies of a run that did not end
// normally, once, where its first new plan would open: it asks whether to
// recover them, and opens each document in its window, changed and bound to
// its own path, or deletes them. A copy that cannot be read is moved aside
// and said. Returns true when documents were opened.
bool OfferRecovery(TMainForm& form);
// Whether OfferRecovery has copies to offer.
bool RecoveryToOffer();

// Shows in the frame's status line why recovery is off, when it is off at
// the start or goes off later.
void ShowRecoveryState(TMainForm& form);
