#include "report/AppPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

AppPrinter::AppPrinter(QObject* parent)
    : QObject(parent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

AppPrinter::~AppPrinter() = default;

QPrinter& AppPrinter::printer()
{
    auto* holder =
        QCoreApplication::instance()->findChild<AppPrinter*>(QString(), Qt::FindDirectChildrenOnly);
    if (!holder)
        holder = new AppPrinter(QCoreApplication::instance());
    return *holder->m_printer;
}
