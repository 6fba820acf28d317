#pragma once

#include <QString>

// The names under which the desktop knows the program: its application id
// (launcher, icon, metainfo) and its version.
namespace ApplicationId {

inline const QString Id = QStringLiteral("io.github.corvanta.Corvanta");
inline const QString Version = QStringLiteral(CORVANTA_VERSION);

inline QString desktopFileName()
{
    return Id + QStringLiteral(".desktop");
}

} // namespace ApplicationId
