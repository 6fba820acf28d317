#include "app/CorvantaApplication.h"

#include "app/ApplicationId.h"

#include <exception>

CorvantaApplication::CorvantaApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setIdentity();
    setDesktopFileName(ApplicationId::Id);
}

void CorvantaApplication::setIdentity()
{
    setOrganizationName(Title);
    setApplicationName(Title);
    setApplicationVersion(ApplicationId::Version);
}

bool CorvantaApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showException(QString::fromUtf8(error.what()));
    } catch (...) {
        showException(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

void CorvantaApplication::showException(const QString& text)
{
    ShowApplicationError(text);
}
