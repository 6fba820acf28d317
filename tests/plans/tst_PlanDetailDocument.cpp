#include "PlanWindowDriver.h"
#include "ScriptedPlatform.h"
#include "TempDataDir.h"
#include "WidgetLookup.h"

#include "store/ProfileStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The plan window's document side: new, open, save, save as, print and close.
class tst_PlanDetailDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedPlanSavesEveryKeyAndReopens();
    void handWrittenWindowsFileOpens();
    void longAnnouncementSavesAsWrappedLines();
    void saveTakesWhatFieldsShow();
    void saveAs_data();
    void saveAs();
    void failedSaveKeepsPlanAndWindow_data();
    void failedSaveKeepsPlanAndWindow();
    void closePrompts_data();
    void closePrompts();
    void printShowsWindowContent();

private:
    QString writeMonday(const QByteArray& bytes = {});

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
};

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList fileLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(readFile(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The keys a saved plan holds after its header and announcements: the two
// emphases, then rows 0 to 99 from `rows` (empty beyond it) and the closing row.
QStringList entryKeys(const QStringList& rows)
{
    QStringList keys;
    for (int i = 0; i <= 100; ++i) {
        const QStringList row =
            i < rows.size() ? rows[i].split(QLatin1Char('|')) : QStringList{"0", "", ""};
        keys << QStringLiteral("Minutes%1=%2").arg(i).arg(row[0])
             << QStringLiteral("Drill%1=%2").arg(i).arg(row[1])
             << QStringLiteral("Emphasis%1=%2").arg(i).arg(row[2]);
    }
    return keys;
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

void tst_PlanDetailDocument::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    WriteTestDrillLibrary();
}

void tst_PlanDetailDocument::cleanup()
{
    // Take the result first: the scripted platform and data folder go whatever
    // it is, so a failing case cannot bring a real dialog into the run.
    const QStringList unanswered = m_platform->unanswered();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
}

QString tst_PlanDetailDocument::writeMonday(const QByteArray& bytes)
{
    const QString path = m_data->document(QStringLiteral("MONDAY.pln"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.isEmpty() ? QByteArray("[Main]\r\nDate=3/7/2026\r\nMinutes0=10\r\n")
                                   : bytes);
    return path;
}

void tst_PlanDetailDocument::typedPlanSavesEveryKeyAndReopens()
{
    const QString path = m_data->document(QStringLiteral("TUESDAY.pln"));
    {
        PlanWindowDriver plan;
        QCOMPARE(plan.window()->windowTitle(), QStringLiteral("New Plan"));
        QCOMPARE(plan.edit("PracticeDate")->text(), QStringLiteral("12/8/2026"));
        QCOMPARE(plan.edit("PracticeTime")->text(), QStringLiteral("12:00"));
        plan.retype(plan.edit("PracticeTime"), QStringLiteral("3:30"));
        // Quotes the file would take off go as the texts are taken.
        plan.retype(plan.control("Announcements"), QStringLiteral("Bus at 5\n'Bring water'"));
        plan.retype(plan.edit("DefEmphasis"), QStringLiteral("Help side"));
        plan.retype(plan.edit("OffEmphasis"), QStringLiteral("\"Back cuts\""));

        plan.clickRow(0);
        plan.typeRow(QString(), QStringLiteral("'Passing Lines'"), QString());
        m_platform->answerNo();
        plan.typeRow(QStringLiteral("5"), QStringLiteral("Water break"), QString());
        plan.typeRow(QStringLiteral("20"), QString(), QStringLiteral("'Box out'"));
        plan.click(plan.edit("DefEmphasis"));
        QCOMPARE(text(plan.window()->entry(2).timeSpan), QStringLiteral("3:50 - 4:10"));

        m_platform->chooseFile(path);
        QVERIFY(plan.window()->Save());
        QVERIFY(!plan.window()->isChanged());
        QCOMPARE(plan.window()->windowTitle(), path);
    }

    QStringList expected{"[Main]",
                         "Date=12/8/2026",
                         "PracticeTime=3:30",
                         "PlanNumber=0",
                         "AnnouncementsNumLines=2",
                         "Announcement0=Bus at 5",
                         "Announcement1=Bring water",
                         "DefEmphasis=Help side",
                         "OffEmphasis=Back cuts"};
    expected << entryKeys({"15|Passing Lines|Crisp passes", "5|Water break|", "20||Box out"});
    QCOMPARE(fileLines(path), expected);

    PlanWindowDriver reopened(path);
    QCOMPARE(reopened.window()->windowTitle(), QStringLiteral("TUESDAY.pln"));
    QCOMPARE(reopened.edit("PracticeTime")->text(), QStringLiteral("3:30"));
    QCOMPARE(reopened.control<QPlainTextEdit>("Announcements")->toPlainText(),
             QStringLiteral("Bus at 5\nBring water"));
    QCOMPARE(reopened.edit("OffEmphasis")->text(), QStringLiteral("Back cuts"));
    QCOMPARE(text(reopened.window()->entry(1).activity), QStringLiteral("Water break"));
    QCOMPARE(text(reopened.window()->entry(2).timeSpan), QStringLiteral("3:50 - 4:10"));
    QVERIFY(!reopened.window()->isChanged());
}

void tst_PlanDetailDocument::handWrittenWindowsFileOpens()
{
    const QString path = writeMonday("[Main]\r\n"
                                     "Date=3/7/98\r\n"
                                     "PracticeTime=3:30 PM\r\n"
                                     "AnnouncementsNumLines=3\r\n"
                                     "Announcement0=Caf\xe9 at 5\r\n"
                                     "Announcement1=\r\n"
                                     "DefEmphasis=D\xe9"
                                     "fense \xabhelp\xbb\r\n"
                                     "OffEmphasis=Pick & roll\r\n"
                                     "Minutes0=15\r\n"
                                     "Drill0=Passing Lines\r\n"
                                     "Emphasis0=Cr\xe8me\r\n"
                                     "Minutes1=0\r\n"
                                     "Minutes2=20\r\n"
                                     "Drill2=Shell Drill\r\n"
                                     "Minutes4=99\r\n"
                                     "Drill4=Never read\r\n");
    PlanWindowDriver plan(path);

    QCOMPARE(plan.window()->windowTitle(), QStringLiteral("MONDAY.pln"));
    QCOMPARE(plan.edit("PracticeDate")->text(), QStringLiteral("3/7/98"));
    QCOMPARE(plan.edit("PracticeTime")->text(), QStringLiteral("3:30 PM"));
    QCOMPARE(plan.control<QPlainTextEdit>("Announcements")->toPlainText(),
             QString::fromUtf8("Café at 5\n \n "));
    QCOMPARE(plan.edit("DefEmphasis")->text(), QString::fromUtf8("Défense «help»"));
    QCOMPARE(plan.edit("OffEmphasis")->text(), QStringLiteral("Pick & roll"));
    QCOMPARE(text(plan.window()->entry(0).emphasis), QString::fromUtf8("Crème"));
    QStringList spans;
    for (int row = 0; row < 5; ++row)
        spans << text(plan.window()->entry(row).timeSpan);
    QCOMPARE(spans, (QStringList{"3:30 - 3:45", "", "3:45 - 4:05", "", ""}));
    QCOMPARE(plan.window()->entry(4).minutes, 0);
    QCOMPARE(plan.window()->entry(4).activity, std::string());
    QCOMPARE(fieldsNotAtStart(*plan.window()), QStringList());
}

void tst_PlanDetailDocument::longAnnouncementSavesAsWrappedLines()
{
    const QString path = writeMonday();
    PlanWindowDriver plan(path);
    const QString announcement =
        QStringLiteral("Bring both jerseys, the bus leaves at five sharp from the gym door and "
                       "parents pick up at the school at nine");
    plan.retype(plan.control("Announcements"), announcement);
    QVERIFY(plan.window()->Save());

    const QStringList lines = fileLines(path);
    const int count =
        lines.filter(QStringLiteral("AnnouncementsNumLines=")).first().section('=', 1).toInt();
    QVERIFY2(count >= 2, "the text is wider than the box");
    QString joined;
    for (int i = 0; i < count; ++i)
        joined += lines.filter(QStringLiteral("Announcement%1=").arg(i)).first().section('=', 1);
    QCOMPARE(joined, announcement);
}

void tst_PlanDetailDocument::saveTakesWhatFieldsShow()
{
    const QString path = writeMonday();
    PlanWindowDriver plan(path);
    plan.retype(plan.edit("PracticeDate"), QStringLiteral("3/9/2026"));
    plan.clickRow(0);
    plan.retype(plan.edit("Minutes"), QStringLiteral("25"));

    // The date field shows its text; the minutes are still being typed.
    QVERIFY(plan.window()->Save());
    QVERIFY(fileLines(path).contains(QStringLiteral("Date=3/9/2026")));
    QVERIFY(fileLines(path).contains(QStringLiteral("Minutes0=10")));
    QVERIFY(!plan.window()->isChanged());
    QCOMPARE(m_platform->shown.size(), 0);

    plan.tab();
    QVERIFY(plan.window()->isChanged());
    QCOMPARE(plan.window()->entry(0).minutes, 25);
}

void tst_PlanDetailDocument::saveAs_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("cancel");

    QTest::newRow("new plan, cancelled") << false << true;
    QTest::newRow("new plan, file chosen") << false << false;
    QTest::newRow("opened plan, cancelled") << true << true;
    QTest::newRow("opened plan, file chosen") << true << false;
}

void tst_PlanDetailDocument::saveAs()
{
    QFETCH(bool, opened);
    QFETCH(bool, cancel);

    const QString monday = writeMonday();
    QVERIFY(QDir().mkpath(m_data->document(QStringLiteral("plans"))));
    const QString chosen = m_data->document(QStringLiteral("plans/FRIDAY.pln"));
    PlanWindowDriver plan(opened ? monday : QString());
    plan.window()->setFolder(opened ? m_data->folder() : QString());
    plan.click(plan.edit("DefEmphasis"));
    const QString caption = plan.window()->windowTitle();
    if (cancel)
        m_platform->cancelDialog();
    else
        m_platform->chooseFile(chosen);

    QCOMPARE(plan.window()->SaveAs(), !cancel);

    QCOMPARE(m_platform->fileRequests.size(), 1);
    const Platform::FileRequest request = m_platform->fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("Save Practice Plan"));
    QCOMPARE(request.filter, QStringLiteral("Practice Plans (*.pln)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pln"));
    QCOMPARE(request.fileName, opened ? monday : QStringLiteral("*.pln"));
    QCOMPARE(request.initialFolder, opened ? m_data->folder() : QString());

    std::string folder;
    ReadProfileText("prefs.db", "General", "Path", folder, 256, "<none>", -1, true);
    if (cancel) {
        QCOMPARE(plan.window()->windowTitle(), caption);
        QCOMPARE(plan.window()->path(), opened ? monday : QString());
        QVERIFY(plan.window()->isChanged());
        QCOMPARE(folder, std::string("<none>"));
        QVERIFY(!QFile::exists(chosen));
    } else {
        QCOMPARE(plan.window()->windowTitle(), chosen);
        QCOMPARE(plan.window()->path(), chosen);
        QVERIFY(!plan.window()->isChanged());
        QCOMPARE(QString::fromStdString(folder), m_data->document(QStringLiteral("plans/")));
        QVERIFY(fileLines(chosen).contains(QStringLiteral("Minutes100=0")));
    }
}

void tst_PlanDetailDocument::failedSaveKeepsPlanAndWindow_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("opened");

    QTest::newRow("save as into a missing folder") << "missing/MONDAY.pln" << false;
    QTest::newRow("save as onto a folder") << "folder.pln" << false;
    QTest::newRow("save of a plan whose folder went away") << "gone/MONDAY.pln" << true;
}

void tst_PlanDetailDocument::failedSaveKeepsPlanAndWindow()
{
    QFETCH(QString, target);
    QFETCH(bool, opened);

    QVERIFY(QDir().mkpath(m_data->document(QStringLiteral("folder.pln"))));
    QVERIFY(QDir().mkpath(m_data->document(QStringLiteral("gone"))));
    const QString path = m_data->document(target);
    if (opened)
        QVERIFY(QFile::copy(writeMonday(), path));
    PlanWindowDriver plan(opened ? path : QString());
    if (opened)
        QVERIFY(QDir(m_data->document(QStringLiteral("gone"))).removeRecursively());
    plan.click(plan.edit("DefEmphasis"));
    const QString caption = plan.window()->windowTitle();
    if (!opened)
        m_platform->chooseFile(path);
    WriteProfileText("prefs.db", "General", "Path", "/plans/earlier/", -1, true);

    QVERIFY(!plan.window()->Save());
    // The next Open still starts where the last good save went.
    std::string remembered;
    ReadProfileText("prefs.db", "General", "Path", remembered, 256, "<none>", -1, true);
    QCOMPARE(remembered, std::string("/plans/earlier/"));
    const QString message = QStringLiteral("Cannot write the file ") + path +
                            QStringLiteral(".  The practice plan was not saved.");
    QCOMPARE(m_platform->messages(), QStringList{message});
    QCOMPARE(m_platform->beeps, 1);
    QVERIFY(plan.window()->isChanged());
    QCOMPARE(plan.window()->windowTitle(), caption);
    QCOMPARE(plan.window()->path(), opened ? path : QString());

    // Closing asks to save, the save fails again, and the window stays open.
    m_platform->answerYes();
    if (!opened)
        m_platform->chooseFile(path);
    QVERIFY(!plan.close());
    QVERIFY(plan.window()->isVisible());
    QVERIFY(plan.window()->isChanged());
}

void tst_PlanDetailDocument::closePrompts_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("touched");
    QTest::addColumn<QString>("answer"); // "", "yes", "no", "yes, cancel"
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closes");

    QTest::newRow("untouched new plan") << false << false << ""
                                        << "" << true;
    QTest::newRow("untouched opened plan") << true << false << ""
                                           << "" << true;
    QTest::newRow("new plan, No") << false << true << "no"
                                  << "Save changes to New Plan?" << true;
    QTest::newRow("opened plan entered only, Yes") << true << true << "yes"
                                                   << "Save changes to MONDAY.pln?" << true;
    QTest::newRow("new plan, Yes, save dialog cancelled") << false << true << "yes, cancel"
                                                          << "Save changes to New Plan?" << false;
}

void tst_PlanDetailDocument::closePrompts()
{
    QFETCH(bool, opened);
    QFETCH(bool, touched);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(bool, closes);

    const QString path = writeMonday();
    PlanWindowDriver plan(opened ? path : QString());
    plan.window()->move(37, 41);
    if (touched)
        plan.click(plan.edit("OffEmphasis"));
    if (answer.startsWith(QLatin1String("yes")))
        m_platform->answerYes();
    if (answer == QLatin1String("no"))
        m_platform->answerNo();
    if (answer == QLatin1String("yes, cancel"))
        m_platform->cancelDialog();

    QCOMPARE(plan.close(), closes);

    QCOMPARE(m_platform->messages(), question.isEmpty() ? QStringList() : QStringList{question});
    const int storedX = ReadProfileInt("prefs.db", "PlanDetail", "X", -100, -1, true);
    QCOMPARE(storedX, closes ? plan.window()->x() : -100);
    if (answer == QLatin1String("yes"))
        QVERIFY(fileLines(path).contains(QStringLiteral("Minutes100=0")));
}

void tst_PlanDetailDocument::printShowsWindowContent()
{
    const QString pdf = m_data->document(QStringLiteral("plan.pdf"));
    PlanWindowDriver plan(writeMonday());
    plan.retype(plan.edit("OffEmphasis"), QStringLiteral("Transition"));
    plan.clickRow(1);
    m_platform->answerNo();
    plan.typeRow(QStringLiteral("5"), QStringLiteral("Zigzag"), QString());

    m_platform->cancelDialog();
    plan.window()->Print();
    QVERIFY(!QFile::exists(pdf));

    const bool changed = plan.window()->isChanged();
    m_platform->printToPdf(pdf);
    plan.window()->Print();
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(plan.window()->isChanged(), changed);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; the printed text is not checked");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* shown : {"Date: 3/7/2026", "MONDAY", "Transition", "Zigzag", "12:10 - 12:15"})
        QVERIFY2(printed.contains(QLatin1String(shown)), shown);
}

QTEST_MAIN(tst_PlanDetailDocument)
#include "tst_PlanDetailDocument.moc"
