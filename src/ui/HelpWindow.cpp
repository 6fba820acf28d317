#include "ui/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {
QPointer<HelpWindow> helpWindow;

QString topicResource(int context)
{
    return QStringLiteral(":/help/%1.html").arg(context);
}
} // namespace

HelpWindow::HelpWindow() : m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Corvanta Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        openTopic(url.fileName().section(QLatin1Char('.'), 0, 0).toInt());
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(520, 460);
    // The viewer lives on its own and goes with the program.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QWidget::close);
}

void HelpWindow::showTopic(int context)
{
    if (!helpWindow)
        helpWindow = new HelpWindow;
    helpWindow->openTopic(context);
    helpWindow->belongTo(QApplication::activeModalWidget());
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

// A modal dialog blocks every window but its own: help asked for from one
// stands above it and takes input while it stays open, yet outlives it.
void HelpWindow::belongTo(QWidget* modal)
{
    winId(); // the window exists before it is shown
    windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
}

HelpWindow* HelpWindow::current()
{
    return helpWindow;
}

QString HelpWindow::topicTitle() const
{
    return m_browser->documentTitle();
}

void HelpWindow::openTopic(int context)
{
    m_topic = context;
    QFile page(topicResource(context));
    if (page.open(QIODevice::ReadOnly)) {
        m_browser->setHtml(QString::fromUtf8(page.readAll()));
    } else {
        m_browser->setHtml(QStringLiteral("<html><head><title>Help</title></head><body>"
                                          "<p>There is no help topic %1.</p>"
                                          "<p><a href=\"100.html\">Help contents</a></p>"
                                          "</body></html>")
                               .arg(context));
    }
}
