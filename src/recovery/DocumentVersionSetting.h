#pragma once

// Whether saving a document (.pln, .gev, .rep) over an existing file first
// keeps the file's previous content beside it as "<name>.bak": a per-user
// setting, off unless the coach turns it on.
namespace DocumentVersionSetting {

bool isOn();
// Stores the setting for later runs and applies it to this one.
void set(bool on);
// Applies the stored setting to the store, once at start-up.
void apply();

} // namespace DocumentVersionSetting
