#include "FileBytes.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "prefs/TPreferencesDlg.h"
#include "store/ProfileStore.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QFont makeFont(const QString& family, bool bold, bool italic, bool underline = false)
{
    QFont chosen(family, 14);
    chosen.setBold(bold);
    chosen.setItalic(italic);
    chosen.setUnderline(underline);
    chosen.setStrikeOut(underline);
    return chosen;
}

const QByteArray EightKeys("[General]\r\nAutoNewPlan=FALSE\r\nShowDefEmphasis=TRUE\r\n"
                           "ShowOffEmphasis=FALSE\r\nTeamName=Eagles\r\nTeamColorFG=255\r\n"
                           "TeamColorBG=65280\r\nTeamFontName=Times\r\nTeamFontStyle=2\r\n");

} // namespace

class tst_TPreferencesDlg : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void load_data();
    void load();
    void ok_data();
    void ok();
    void cancelAndTitleBarWriteNothing_data();
    void cancelAndTitleBarWriteNothing();
    void fontAndColor_data();
    void fontAndColor();
    void failedWriteKeepsTheDialogOpen();

private:
    // Runs the dialog on prefs.db holding `stored`; `script` works the open dialog.
    int run(const QByteArray& stored, const std::function<void(TPreferencesDlg&)>& script);

    std::unique_ptr<TPreferencesDlg> m_dialog;
};

void tst_TPreferencesDlg::init()
{
    startWindowTest();
    m_dialog = std::make_unique<TPreferencesDlg>();
}

void tst_TPreferencesDlg::cleanup()
{
    finishWindowTest([this] { m_dialog.reset(); });
}

int tst_TPreferencesDlg::run(const QByteArray& stored,
                             const std::function<void(TPreferencesDlg&)>& script)
{
    if (!stored.isNull() && !writeFile(m_data->file("prefs.db"), stored))
        qWarning("prefs.db not written");
    m_platform->runDialog(
        [&script](QDialog& dialog) { script(static_cast<TPreferencesDlg&>(dialog)); });
    return m_dialog->run();
}

void tst_TPreferencesDlg::load_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("checks");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<int>("style");

    QTest::newRow("empty file: defaults") << QByteArray("") << "YYY"
                                          << "" << QColor(Qt::blue) << QColor(Qt::white) << 1;
    QTest::newRow("mixed case True is yes, Yes and 1 are no")
        << QByteArray("[General]\r\nAutoNewPlan=True\r\nShowDefEmphasis=Yes\r\n"
                      "ShowOffEmphasis=1\r\n")
        << "YNN"
        << "" << QColor(Qt::blue) << QColor(Qt::white) << 1;
    QTest::newRow("all eight stored") << EightKeys << "NYN"
                                      << "Eagles" << QColor(Qt::red) << QColor(Qt::green) << 2;
}

void tst_TPreferencesDlg::load()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, checks);
    QFETCH(QString, name);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(int, style);
    run(stored, [&](TPreferencesDlg& dialog) {
        QString shown;
        for (const char* box : {"AutoNewPlan", "DisplayDefEmphasis", "DisplayOffEmphasis"})
            shown += control<QCheckBox>(dialog, box)->isChecked() ? 'Y' : 'N';
        QCOMPARE(shown, checks);
        const QLineEdit* field = control<QLineEdit>(dialog, "TeamName");
        QCOMPARE(field->text(), name);
        QCOMPARE(field->cursorPosition(), 0); // a long name shows its start
        QCOMPARE(field->palette().color(QPalette::Text), text);
        QCOMPARE(field->palette().color(QPalette::Base), background);
        QCOMPARE(field->font().bold(), bool(style & 1));
        QCOMPARE(field->font().italic(), bool(style & 2));
        QCOMPARE(dialog.values().teamFontName, std::string(stored == EightKeys ? "Times" : ""));
        dialog.reject();
    });
}

void tst_TPreferencesDlg::ok_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("checks"); // AutoNewPlan, DisplayDefEmphasis, DisplayOffEmphasis
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("saved");

    const QString longName = QString(300, QChar(0xe9));
    QTest::newRow("keys already there keep their places")
        << QByteArray("[General]\r\nPath=/plans/\r\nTeamFontName=Old\r\n") << "NYN"
        << "Eagles"
        << QByteArray("[General]\r\nPath=/plans/\r\nTeamFontName=Old\r\nAutoNewPlan=FALSE\r\n"
                      "ShowDefEmphasis=TRUE\r\nShowOffEmphasis=FALSE\r\nTeamName=Eagles\r\n"
                      "TeamColorFG=16711680\r\nTeamColorBG=16777215\r\nTeamFontStyle=1\r\n");
    QTest::newRow("empty file: the face as the empty value")
        << QByteArray() << "YYY"
        << ""
        << QByteArray("[General]\r\nAutoNewPlan=TRUE\r\nShowDefEmphasis=TRUE\r\n"
                      "ShowOffEmphasis=TRUE\r\nTeamName=\r\nTeamColorFG=16711680\r\n"
                      "TeamColorBG=16777215\r\nTeamFontName=\r\nTeamFontStyle=1\r\n");
    QTest::newRow("a name pasted past 255 characters stops at 255")
        << QByteArray() << "YYY" << longName
        << "TeamName=" + QByteArray(255, '\xe9') + "\r\nTeamColorFG"; // one byte each in the file
    QTest::newRow("quotes the file would take off go")
        << QByteArray() << "YYY"
        << "'Eagles'" << QByteArray("\r\nTeamName=Eagles\r\n");
}

void tst_TPreferencesDlg::ok()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, checks);
    QFETCH(QString, name);
    QFETCH(QByteArray, saved);
    const int result = run(stored, [&](TPreferencesDlg& dialog) {
        const char* boxes[] = {"AutoNewPlan", "DisplayDefEmphasis", "DisplayOffEmphasis"};
        for (int i = 0; i < 3; ++i)
            control<QCheckBox>(dialog, boxes[i])->setChecked(checks[i] == 'Y');
        QLineEdit* field = control<QLineEdit>(dialog, "TeamName");
        field->insert(name); // as pasted: the field stops at 255 characters
        QCOMPARE(field->text(), name.left(Preferences::MaxTeamNameLength));
        click(dialog, "OkBtn");
    });
    QCOMPARE(result, int(QDialog::Accepted));
    const QByteArray file = readFile(m_data->file("prefs.db"));
    QVERIFY2(saved.startsWith("[General]") ? file == saved : file.contains(saved), file);
}

void tst_TPreferencesDlg::cancelAndTitleBarWriteNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("title bar") << "close";
}

void tst_TPreferencesDlg::cancelAndTitleBarWriteNothing()
{
    QFETCH(QString, how);
    const int result = run(EightKeys, [&how](TPreferencesDlg& dialog) {
        control<QLineEdit>(dialog, "TeamName")->setText("Hawks");
        control<QCheckBox>(dialog, "AutoNewPlan")->setChecked(true);
        if (how == "cancel")
            click(dialog, "CancelBtn");
        else
            dialog.close();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(readFile(m_data->file("prefs.db")), EightKeys);

    // The next show forgets the abandoned edits.
    run(QByteArray(), [](TPreferencesDlg& dialog) {
        QCOMPARE(control<QLineEdit>(dialog, "TeamName")->text(), QStringLiteral("Eagles"));
        QVERIFY(!control<QCheckBox>(dialog, "AutoNewPlan")->isChecked());
        dialog.reject();
    });
}

void tst_TPreferencesDlg::fontAndColor_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("answer"); // a font or a colour; none: Cancel
    QTest::addColumn<QByteArray>("saved");

    const QVariant cancel;
    QTest::newRow("bold italic underlined: 3, underline and size lost")
        << QByteArray() << "FontBtn" << QVariant(makeFont("Times", true, true, true))
        << QByteArray("TeamColorFG=16711680|TeamFontName=Times|TeamFontStyle=3");
    QTest::newRow("Cancel with no face stored takes the dialog's face")
        << QByteArray() << "FontBtn" << cancel
        << QByteArray("TeamColorFG=16711680|TeamFontName=DejaVu Sans|TeamFontStyle=1");
    QTest::newRow("Cancel keeps a stored face")
        << EightKeys << "FontBtn" << cancel
        << QByteArray("TeamColorFG=255|TeamFontName=Times|TeamFontStyle=2");
    QTest::newRow("colour chosen: red in the low byte")
        << QByteArray() << "BGColorBtn" << QVariant(QColor(Qt::yellow))
        << QByteArray("TeamColorBG=65535");
    QTest::newRow("Cancel keeps the colour")
        << EightKeys << "BGColorBtn" << cancel << QByteArray("TeamColorBG=65280");
}

void tst_TPreferencesDlg::fontAndColor()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, button);
    QFETCH(QVariant, answer);
    QFETCH(QByteArray, saved);
    run(stored, [&](TPreferencesDlg& dialog) {
        if (answer.isNull())
            m_platform->cancelDialog();
        else if (button == "FontBtn")
            m_platform->chooseFont(answer.value<QFont>(), QColor());
        else
            m_platform->chooseColor(answer.value<QColor>());
        click(dialog, button.toLatin1());
        click(dialog, "OkBtn");
    });
    const QByteArray file = readFile(m_data->file("prefs.db"));
    for (const QByteArray& line : saved.split('|'))
        QVERIFY2(file.contains(line + "\r\n"), line);
    QVERIFY(!file.contains("14"));
    // The font dialog is preset with the stored face, or none to keep its own.
    if (button == "FontBtn")
        QCOMPARE(m_platform->fontPresets.first().font.family(),
                 QString(stored.isEmpty() ? "" : "Times"));
}

void tst_TPreferencesDlg::failedWriteKeepsTheDialogOpen()
{
    const QString path = m_data->file("prefs.db");
    QVERIFY(QDir().mkpath(path));
    run(QByteArray(), [&](TPreferencesDlg& dialog) {
        control<QLineEdit>(dialog, "TeamName")->setText("Eagles");
        click(dialog, "OkBtn");
        QVERIFY(dialog.isVisible());
        QCOMPARE(control<QLineEdit>(dialog, "TeamName")->text(), QStringLiteral("Eagles"));
        QCOMPARE(m_platform->messages(), QStringList{"Cannot write the file " + path +
                                                     ".  The preferences were not saved."});
        QVERIFY(QDir(path).removeRecursively());
        click(dialog, "OkBtn");
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(Preferences::Read().teamName, std::string("Eagles"));
}

QTEST_MAIN(tst_TPreferencesDlg)
#include "tst_TPreferencesDlg.moc"
