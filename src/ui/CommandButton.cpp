#include "ui/CommandButton.h"

QPushButton* AddCommandButton(QWidget* parent, const char* name, const QString& text,
                              const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}
