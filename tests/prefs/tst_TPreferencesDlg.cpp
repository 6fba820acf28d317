#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "prefs/TPreferencesDlg.h"
#include "store/ProfileStore.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

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

class tst_TPreferencesDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void load_data();
    void load();
    void okWritesEightKeysInOrder();
    void cancelAndTitleBarWriteNothing_data();
    void cancelAndTitleBarWriteNothing();
    void font_data();
    void font();
    void color_data();
    void color();
    void failedWriteKeepsTheDialogOpen();

private:
    // Runs the dialog on prefs.db holding `stored`; `script` works the open dialog.
    int run(const QByteArray& stored, const std::function<void(TPreferencesDlg&)>& script);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<TPreferencesDlg> m_dialog;
};

void tst_TPreferencesDlg::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_dialog = std::make_unique<TPreferencesDlg>();
}

void tst_TPreferencesDlg::cleanup()
{
    const QStringList unanswered = m_platform->unanswered();
    const bool allUsed = m_platform->allAnswersUsed();
    m_dialog.reset();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
    QVERIFY(allUsed);
}

int tst_TPreferencesDlg::run(const QByteArray& stored,
                             const std::function<void(TPreferencesDlg&)>& script)
{
    if (!stored.isNull())
        writeFile(m_data->file("prefs.db"), stored);
    m_platform->runDialog(
        [&script](QDialog& dialog) { script(static_cast<TPreferencesDlg&>(dialog)); });
    return m_dialog->run();
}

void tst_TPreferencesDlg::layout()
{
    m_platform->screen = QSize(1029, 823);
    run(QByteArray(), [this](TPreferencesDlg& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(dialog.size(), QSize(329, 223));
        QCOMPARE(dialog.pos(), QPoint(350, 300));
        const struct
        {
            const char* name;
            QString title;
            QRect place;
        } groups[] = {{"StartupGrp", "Startup", {8, 8, 213, 41}},
                      {"PracticePlanGrp", "Practice Plan", {8, 60, 213, 61}},
                      {"TeamGrp", "Team", {8, 132, 301, 77}}};
        for (const auto& group : groups) {
            QCOMPARE(control<QGroupBox>(dialog, group.name)->title(), group.title);
            QCOMPARE(control<QGroupBox>(dialog, group.name)->geometry(), group.place);
        }
        QCOMPARE(control<QCheckBox>(dialog, "AutoNewPlan")->text(),
                 QStringLiteral("Display &New Plan on Startup"));
        QCOMPARE(control<QCheckBox>(dialog, "DisplayDefEmphasis")->pos(), QPoint(8, 16));
        QCOMPARE(control<QCheckBox>(dialog, "DisplayOffEmphasis")->text(),
                 QStringLiteral("Display &Offensive Emphasis"));
        QCOMPARE(control<QLabel>(dialog, "TeamNameLbl")->buddy(),
                 control<QLineEdit>(dialog, "TeamName"));
        QCOMPARE(control<QLineEdit>(dialog, "TeamName")->geometry(), QRect(72, 16, 221, 22));
        QCOMPARE(control<QLineEdit>(dialog, "TeamName")->maxLength(), 255);
        QCOMPARE(control<QPushButton>(dialog, "BGColorBtn")->geometry(), QRect(131, 42, 75, 25));
        QCOMPARE(control<QPushButton>(dialog, "FontBtn")->text(), QStringLiteral("&Font"));
        QVERIFY(control<QPushButton>(dialog, "OkBtn")->isDefault());
        QCOMPARE(control<QPushButton>(dialog, "HelpBtn")->geometry(), QRect(234, 72, 75, 25));

        QStringList order;
        for (QWidget* widget = control<QWidget>(dialog, "AutoNewPlan"); order.size() < 9;
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
        }
        QCOMPARE(order,
                 QStringList({"AutoNewPlan", "DisplayDefEmphasis", "DisplayOffEmphasis", "TeamName",
                              "BGColorBtn", "FontBtn", "OkBtn", "CancelBtn", "HelpBtn"}));
        click(dialog, "HelpBtn");
        QCOMPARE(m_platform->helpTopics, QList<int>{117});
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
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
        QCOMPARE(field->palette().color(QPalette::Text), text);
        QCOMPARE(field->palette().color(QPalette::Base), background);
        QCOMPARE(field->font().bold(), bool(style & 1));
        QCOMPARE(field->font().italic(), bool(style & 2));
        QCOMPARE(dialog.values().teamFontName, std::string(stored == EightKeys ? "Times" : ""));
        dialog.reject();
    });
}

void tst_TPreferencesDlg::okWritesEightKeysInOrder()
{
    // Keys already there keep their places; the others follow in the fixed order.
    const int result =
        run("[General]\r\nPath=/plans/\r\nTeamFontName=Old\r\n", [](TPreferencesDlg& dialog) {
            control<QCheckBox>(dialog, "AutoNewPlan")->setChecked(false);
            control<QCheckBox>(dialog, "DisplayOffEmphasis")->setChecked(false);
            control<QLineEdit>(dialog, "TeamName")->setText("Eagles");
            click(dialog, "OkBtn");
        });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(readFile(m_data->file("prefs.db")),
             QByteArray("[General]\r\nPath=/plans/\r\nTeamFontName=Old\r\nAutoNewPlan=FALSE\r\n"
                        "ShowDefEmphasis=TRUE\r\nShowOffEmphasis=FALSE\r\nTeamName=Eagles\r\n"
                        "TeamColorFG=16711680\r\nTeamColorBG=16777215\r\nTeamFontStyle=1\r\n"));

    // An empty file: every key written, the face as the empty value.
    QVERIFY(QFile::remove(m_data->file("prefs.db")));
    run(QByteArray(), [](TPreferencesDlg& dialog) { click(dialog, "OkBtn"); });
    QCOMPARE(readFile(m_data->file("prefs.db")),
             QByteArray("[General]\r\nAutoNewPlan=TRUE\r\nShowDefEmphasis=TRUE\r\n"
                        "ShowOffEmphasis=TRUE\r\nTeamName=\r\nTeamColorFG=16711680\r\n"
                        "TeamColorBG=16777215\r\nTeamFontName=\r\nTeamFontStyle=1\r\n"));
}

void tst_TPreferencesDlg::cancelAndTitleBarWriteNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
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
        else if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
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

void tst_TPreferencesDlg::font_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QFont>("chosen");
    QTest::addColumn<QColor>("chosenColor");
    QTest::addColumn<QString>("presetFace");
    QTest::addColumn<std::string>("face");
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("style");

    QTest::newRow("bold italic underlined: 3, underline lost")
        << QByteArray() << false << makeFont("Times", true, true, true) << QColor(Qt::red) << ""
        << std::string("Times") << 255 << 3;
    QTest::newRow("plain, colour kept")
        << EightKeys << false << makeFont("Courier", false, false) << QColor() << "Times"
        << std::string("Courier") << 255 << 0;
    QTest::newRow("Cancel with no face stored takes the dialog's face")
        << QByteArray() << true << QFont() << QColor() << "" << std::string("DejaVu Sans")
        << 16711680 << 1;
    QTest::newRow("Cancel keeps a stored face")
        << EightKeys << true << QFont() << QColor() << "Times" << std::string("Times") << 255 << 2;
}

void tst_TPreferencesDlg::font()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, cancel);
    QFETCH(QFont, chosen);
    QFETCH(QColor, chosenColor);
    QFETCH(QString, presetFace);
    QFETCH(std::string, face);
    QFETCH(int, color);
    QFETCH(int, style);
    run(stored, [&](TPreferencesDlg& dialog) {
        if (cancel)
            m_platform->cancelDialog();
        else
            m_platform->chooseFont(chosen, chosenColor);
        click(dialog, "FontBtn");
        click(dialog, "OkBtn");
    });
    QCOMPARE(m_platform->fontPresets.size(), 1);
    QCOMPARE(m_platform->fontPresets.first().font.family(), presetFace);
    const PreferenceValues saved = Preferences::Read();
    QCOMPARE(saved.teamFontName, face);
    QCOMPARE(saved.teamColorFG, color);
    QCOMPARE(saved.teamFontStyle, style);
    QVERIFY(!readFile(m_data->file("prefs.db")).contains("14"));
}

void tst_TPreferencesDlg::color_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("background");
    QTest::newRow("chosen") << false << 0x00FFFF; // yellow: blue byte 0
    QTest::newRow("Cancel keeps the colour") << true << 16777215;
}

void tst_TPreferencesDlg::color()
{
    QFETCH(bool, cancel);
    QFETCH(int, background);
    run(QByteArray(), [&](TPreferencesDlg& dialog) {
        if (cancel)
            m_platform->cancelDialog();
        else
            m_platform->chooseColor(QColor(Qt::yellow));
        click(dialog, "BGColorBtn");
        QCOMPARE(control<QLineEdit>(dialog, "TeamName")->palette().color(QPalette::Base).rgb(),
                 QColor(qRgb(background & 0xFF, (background >> 8) & 0xFF, background >> 16)).rgb());
        click(dialog, "OkBtn");
    });
    QCOMPARE(Preferences::Read().teamColorBG, background);
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
        QCOMPARE(m_platform->beeps, 1);
        QVERIFY(QDir(path).removeRecursively());
        click(dialog, "OkBtn");
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(Preferences::Read().teamName, std::string("Eagles"));
}

QTEST_MAIN(tst_TPreferencesDlg)
#include "tst_TPreferencesDlg.moc"
