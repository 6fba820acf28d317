#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "app/TFirstTimeDlg.h"
#include "app/TMainForm.h"
#include "drills/TDrillEntry.h"
#include "store/ProfileStore.h"
#include "ui/QtPlatform.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Caption = QStringLiteral("Corvanta - First Time Setup");

template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

// Titles of our own dialogs the platform ran, in order.
QStringList dialogsRun(const ScriptedPlatform& platform)
{
    QStringList titles;
    for (const ScriptedPlatform::Shown& shown : platform.shown) {
        if (shown.kind == QLatin1String("dialog"))
            titles << shown.caption;
    }
    return titles;
}

void writePrefs(const QByteArray& bytes)
{
    QFile file(QString::fromStdString(DataDir()) + QStringLiteral("prefs.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Restores CORVANTA_SETTINGS as it was, whatever a test did.
class SettingsFileOverride
{
public:
    explicit SettingsFileOverride(const QString& file)
        : m_had(qEnvironmentVariableIsSet(Name)), m_previous(qgetenv(Name))
    {
        qputenv(Name, file.toLocal8Bit());
    }
    ~SettingsFileOverride()
    {
        if (m_had)
            qputenv(Name, m_previous);
        else
            qunsetenv(Name);
    }

private:
    static constexpr const char* Name = "CORVANTA_SETTINGS";
    bool m_had;
    QByteArray m_previous;
};

} // namespace

class tst_TFirstTimeDlg : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void helpAndClose();
    void shownOnceOnTheFirstStart();
    void tasksOpenTheirWindowsModally();
    void settingsTakeEffectAtOnce();
    void flagKeptInTheSettingsFile();
};

void tst_TFirstTimeDlg::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");

    QTest::newRow("welcome") << "Label1"
                             << "Welcome to Corvanta!" << QRect(8, 8, 245, 13);
    QTest::newRow("begin") << "Label2"
                           << "You can begin using Corvanta right away.  To assist you in getting "
                              "started, we recommend that you begin by performing the following "
                              "tasks."
                           << QRect(8, 36, 297, 45);
    QTest::newRow("later") << "Label3"
                           << "If you would prefer, you can take care of these tasks later by "
                              "selecting the appropriate options from the menu or from the button "
                              "bar."
                           << QRect(8, 88, 297, 45);
    QTest::newRow("preferences") << "Label4"
                                 << "Click this button to set your preferences, including team "
                                    "name and color, startup options and display options."
                                 << QRect(100, 16, 193, 45);
    QTest::newRow("players") << "Label5"
                             << "Click this button to enter the names of the players on your "
                                "team.  This list will be used by other features."
                             << QRect(100, 86, 189, 47);
    QTest::newRow("drills") << "Label6"
                            << "Click this button to create your list of drills for defense, "
                               "offense, and \"other\" categories."
                            << QRect(100, 156, 185, 45);
    QTest::newRow("preferences button") << "PrefsBtn"
                                        << "Preferences" << QRect(16, 14, 75, 48);
    QTest::newRow("players button") << "PlayersBtn"
                                    << "Players" << QRect(16, 84, 75, 48);
    QTest::newRow("drills button") << "DrillsBtn"
                                   << "Drills" << QRect(16, 154, 75, 48);
    QTest::newRow("close") << "CloseBtn"
                           << "&Close" << QRect(328, 12, 75, 25);
    QTest::newRow("help") << "HelpBtn"
                          << "&Help" << QRect(328, 48, 75, 25);
}

void tst_TFirstTimeDlg::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    TFirstTimeDlg dialog;
    QCOMPARE(dialog.windowTitle(), Caption);
    QCOMPARE(dialog.size(), QSize(418, 372));
    QCOMPARE(dialog.pos(), QPoint(113, 23));
    QCOMPARE(control<QFrame>(dialog, "Panel1")->geometry(), QRect(8, 140, 301, 217));

    QWidget* widget = dialog.findChild<QWidget*>(name);
    QVERIFY(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->geometry().topLeft(), place.topLeft());
        QCOMPARE(label->width(), place.width());
        QVERIFY(label->height() >= place.height());
    } else {
        auto* button = qobject_cast<QPushButton*>(widget);
        QCOMPARE(button->geometry(), place);
        if (button->parentWidget() == &dialog) {
            QCOMPARE(button->text(), text);
        } else {
            QCOMPARE(button->toolTip(), text);
            QVERIFY(!button->icon().isNull());
        }
    }
}

void tst_TFirstTimeDlg::helpAndClose()
{
    ScriptedPlatform platform;
    TFirstTimeDlg dialog;
    QStringList order;
    for (QWidget* widget = control<QWidget>(dialog, "PrefsBtn"); order.size() < 5;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    }
    QCOMPARE(order, QStringList({"PrefsBtn", "PlayersBtn", "DrillsBtn", "CloseBtn", "HelpBtn"}));

    platform.runDialog([](QDialog& shown) {
        click(shown, "HelpBtn");
        click(shown, "CloseBtn");
    });
    QCOMPARE(platform.runModal(dialog), int(QDialog::Accepted));
    QCOMPARE(platform.helpTopics, QList<int>{101});
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TFirstTimeDlg::shownOnceOnTheFirstStart()
{
    TempDataDir data;
    ScriptedPlatform platform;
    platform.firstRun = true;
    bool clearedBeforeShown = false;
    platform.runDialog([&](QDialog& dialog) {
        // Ending the program now must not bring the welcome back next time.
        clearedBeforeShown = !platform.firstRun;
        QCOMPARE(dialog.parentWidget(), TMainForm::instance());
        click(dialog, "CloseBtn");
    });
    {
        TMainForm form;
        form.show();
        QVERIFY(form.findChildren<TFirstTimeDlg*>().isEmpty()); // destroyed when closed
    }
    QVERIFY(clearedBeforeShown);
    QCOMPARE(dialogsRun(platform), QStringList{Caption});

    TMainForm second;
    second.show();
    QCOMPARE(dialogsRun(platform), QStringList{Caption});
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TFirstTimeDlg::tasksOpenTheirWindowsModally()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    platform.firstRun = true;
    QList<bool> modal;
    const auto closeWith = [&modal](const char* button) {
        return [&modal, button](QDialog& dialog) {
            modal << (dialog.windowModality() != Qt::NonModal);
            click(dialog, button);
        };
    };
    platform.runDialog([](QDialog& dialog) {
        TDrillEntry::instance()->setDrillProposal("Zigzag", "5", "");
        for (const char* button : {"PrefsBtn", "PlayersBtn", "DrillsBtn", "PrefsBtn"})
            click(dialog, button);
        QVERIFY(!TDrillEntry::instance()->hasDrillProposal());
        click(dialog, "CloseBtn");
    });
    platform.runDialog(closeWith("CancelBtn"));
    platform.runDialog(closeWith("CloseBtn"));
    platform.runDialog(closeWith("CloseBtn"));
    platform.runDialog(closeWith("CancelBtn"));
    TMainForm form;
    form.show();
    QCOMPARE(dialogsRun(platform),
             QStringList({Caption, "Preferences", "Players", "Drills", "Preferences"}));
    QCOMPARE(modal, QList<bool>({true, true, true, true}));
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TFirstTimeDlg::settingsTakeEffectAtOnce()
{
    TempDataDir data;
    ScriptedPlatform platform;
    platform.firstRun = true;
    platform.runDialog([](QDialog& dialog) {
        click(dialog, "PrefsBtn");
        click(dialog, "CloseBtn");
    });
    platform.runDialog([](QDialog& dialog) {
        control<QLineEdit>(dialog, "TeamName")->setText("Eagles");
        QTest::mouseClick(dialog.findChild<QWidget*>("AutoNewPlan"), Qt::LeftButton);
        click(dialog, "OkBtn");
    });
    TMainForm form;
    form.show();
    QCOMPARE(form.teamBanner()->text(), QStringLiteral("Eagles"));
    QVERIFY(form.mdiArea()->subWindowList().isEmpty());
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TFirstTimeDlg::flagKeptInTheSettingsFile()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("settings.ini");
    SettingsFileOverride settings(file);
    QVERIFY(QtPlatform().isFirstRun());
    QVERIFY(QtPlatform().isFirstRun()); // reading leaves it
    QtPlatform().clearFirstRun();
    QVERIFY(QFile::exists(file));
    QVERIFY(!QtPlatform().isFirstRun());
}

QTEST_MAIN(tst_TFirstTimeDlg)
#include "tst_TFirstTimeDlg.moc"
