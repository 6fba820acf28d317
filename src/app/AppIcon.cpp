#include "app/AppIcon.h"

#include <QFileInfo>
#include <QIcon>

QIcon LoadApplicationIcon()
{
    const QString file = QStringLiteral("Tallyx2.ICO");
    if (QFileInfo(file).isFile()) {
        QIcon icon(file);
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    return QIcon(QStringLiteral(":/icons/corvanta.bmp"));
}
