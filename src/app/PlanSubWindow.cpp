#include "app/PlanSubWindow.h"

PlanSubWindow::PlanSubWindow(QWidget* plan)
{
    setWidget(plan);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(DesignedSize);
}
