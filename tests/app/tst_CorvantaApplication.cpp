#include "ScriptedPlatform.h"

#include "app/AppIcon.h"
#include "app/CorvantaApplication.h"

#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

namespace {

// A command that fails the way a command may: by throwing.
class FailingCommand : public QObject
{
public:
    int runs = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++runs == 1)
            throw std::runtime_error("'abc' is not a valid integer value");
        return true;
    }
};

} // namespace

class tst_CorvantaApplication : public QObject
{
    Q_OBJECT

private slots:
    void errorInCommandIsShownAndProgramGoesOn();
    void iconWithoutIconFile();
    void iconFileThatIsNotAnIcon();
};

void tst_CorvantaApplication::errorInCommandIsShownAndProgramGoesOn()
{
    ScriptedPlatform platform;
    FailingCommand command;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&command, &first);
    QEvent second(QEvent::User);
    QVERIFY(QCoreApplication::sendEvent(&command, &second));

    QCOMPARE(command.runs, 2);
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.shown.first().caption, QStringLiteral("Corvanta"));
    QCOMPARE(platform.shown.first().text, QStringLiteral("'abc' is not a valid integer value"));
}

void tst_CorvantaApplication::iconWithoutIconFile()
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QIcon icon = LoadApplicationIcon();
    QDir::setCurrent(previous);
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.availableSizes().isEmpty());
}

void tst_CorvantaApplication::iconFileThatIsNotAnIcon()
{
    QTemporaryDir folder;
    QFile bad(folder.filePath(QStringLiteral("Tallyx2.ICO")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not an icon at all");
    bad.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QIcon icon = LoadApplicationIcon();
    QDir::setCurrent(previous);
    QVERIFY(!icon.availableSizes().isEmpty());
}

int main(int argc, char** argv)
{
    CorvantaApplication app(argc, argv);
    tst_CorvantaApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CorvantaApplication.moc"
