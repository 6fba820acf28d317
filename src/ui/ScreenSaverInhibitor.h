#pragma once

#include <QObject>
#include <optional>

// Asks the desktop's screensaver service (org.freedesktop.ScreenSaver on the
// session bus) to keep the screen on while anyone holds it, and lets go when
// the last holder does. The requests do not wait for an answer; without a
// bus or such a service nothing happens.
class ScreenSaverInhibitor : public QObject
{
public:
    ~ScreenSaverInhibitor() override;

    void hold(bool on);

private:
    void inhibit();
    void release();
    void answered(std::optional<uint> cookie);

    int m_holders = 0;
    bool m_asking = false;
    std::optional<uint> m_cookie;
};
