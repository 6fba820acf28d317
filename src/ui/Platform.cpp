#include "ui/Platform.h"

#include "ui/QtPlatform.h"

namespace {
Platform* installedPlatform = nullptr;
}

Platform& Platform::instance()
{
    if (!installedPlatform) {
        static QtPlatform qtPlatform;
        installedPlatform = &qtPlatform;
    }
    return *installedPlatform;
}

Platform* Platform::install(Platform* platform)
{
    Platform* previous = installedPlatform;
    installedPlatform = platform;
    return previous;
}
