#pragma once

#include <memory>

class QSettings;

// The per-user settings of organisation and application "Corvanta", or the
// INI file named by CORVANTA_SETTINGS when that is set (tests and benchmarks
// use it to leave the coach's own settings alone).
std::unique_ptr<QSettings> OpenUserSettings();
