#include "app/TAboutBox.h"

#include "app/AppIcon.h"
#include "ui/Platform.h"
#include "ui/WindowModes.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int IconSide = 37;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(299, 192));
    createControls();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::createControls()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("AboutPnl"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 281, 93);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(12, 13, IconSide, IconSide);
    icon->setScaledContents(true);
    QIcon programIcon = QApplication::windowIcon();
    if (programIcon.isNull())
        programIcon = LoadApplicationIcon();
    icon->setPixmap(programIcon.pixmap(64, 64));

    addLabel(panel, "ProductName", QStringLiteral("Corvanta"), {76, 11});
    addLabel(panel, "Version", QStringLiteral("Version 2.0p"), {76, 35});

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 150, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int TAboutBox::run()
{
    const QSize screen = Platform::instance().screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    return Platform::instance().runModal(*this);
}

// OK is the cancel button too: Escape closes the box with the result OK.
void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
