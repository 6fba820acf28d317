#include "DrillWindowTest.h"
#include "ScriptedPlatform.h"

#include "drills/DrillEditRules.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace {

// What the dialog shows once it is open.
struct Opened
{
    bool typeGroup = false;
    QString type;
    QString name;
    QString minutes;
    QString emphasis;
    bool drillFields = false;
    QString focus;
};

Opened opened(QDialog& dialog)
{
    Opened seen;
    seen.typeGroup = control<QGroupBox>(dialog, "CatDrillRg")->isVisible();
    seen.type = control<QRadioButton>(dialog, "DrillRb")->isChecked() ? "Drill" : "Category";
    seen.name = control<QLineEdit>(dialog, "DrillName")->text();
    seen.minutes = control<QLineEdit>(dialog, "MinutesEb")->text();
    seen.emphasis = control<QLineEdit>(dialog, "EmphasisEb")->text();
    seen.drillFields = control<QLineEdit>(dialog, "MinutesEb")->isVisible() &&
                       control<QLabel>(dialog, "EmphasisLbl")->isVisible();
    seen.focus = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    return seen;
}

} // namespace

class tst_TDrillEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void modes_data();
    void modes();
    void ok_data();
    void ok();
    void typeChoiceShowsTheDrillFields();
    void proposalOutlivesEveryClose();
    void nodeForgottenOnEveryClose();
    void longTextsAreNotCut();
    void typingLimitDoesNotGrow_data();
    void typingLimitDoesNotGrow();

private:
    void openAndLook(const DrillNode* node, Opened& seen);

    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<TDrillEntry> m_entry;
    DrillTree m_tree{"Root"};
};

void tst_TDrillEntry::init()
{
    m_platform = std::make_unique<ScriptedPlatform>();
    m_entry = std::make_unique<TDrillEntry>();
}

void tst_TDrillEntry::cleanup()
{
    const QStringList unanswered = m_platform->unanswered();
    m_entry.reset();
    m_platform.reset();
    QCOMPARE(unanswered, QStringList());
}

void tst_TDrillEntry::openAndLook(const DrillNode* node, Opened& seen)
{
    m_platform->runDialog([&seen](QDialog& dialog) {
        seen = opened(dialog);
        dialog.reject();
    });
    QCOMPARE(m_entry->run(node), int(QDialog::Rejected));
}

void tst_TDrillEntry::layout()
{
    QCOMPARE(m_entry->windowTitle(), QString("Category/Drill Entry"));
    QCOMPARE(m_entry->size(), QSize(483, 174));
    QCOMPARE(m_entry->pos(), QPoint(67, 136));
    QCOMPARE(control<QGroupBox>(*m_entry, "CatDrillRg")->geometry(), QRect(8, 8, 297, 49));
    QCOMPARE(control<QLineEdit>(*m_entry, "DrillName")->geometry().topLeft(), QPoint(72, 72));
    QCOMPARE(control<QLineEdit>(*m_entry, "MinutesEb")->geometry().topLeft(), QPoint(152, 104));
    QCOMPARE(control<QLineEdit>(*m_entry, "EmphasisEb")->geometry().topLeft(), QPoint(104, 136));
    QCOMPARE(control<QPushButton>(*m_entry, "OkBtn")->geometry(), QRect(400, 16, 75, 25));
    QCOMPARE(control<QPushButton>(*m_entry, "CancelBtn")->geometry(), QRect(400, 56, 75, 25));
    QVERIFY(control<QPushButton>(*m_entry, "OkBtn")->isDefault());

    QStringList chain;
    QWidget* widget = control<QWidget>(*m_entry, "DrillName");
    for (; chain.size() < 8; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
    }
    QCOMPARE(chain, QStringList({"DrillName", "MinutesEb", "EmphasisEb", "CategoryRb", "DrillRb",
                                 "OkBtn", "CancelBtn", "HelpBtn"}));

    click(*m_entry, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{112});
}

void tst_TDrillEntry::modes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("typeGroup");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("drillFields");

    QTest::newRow("add after a drill was added")
        << "add" << true << "Drill" << QStringList{"", "0", ""} << true;
    QTest::newRow("edit a category") << "edit category" << false << "Category"
                                     << QStringList{"Shooting", "7", "left over"} << false;
    QTest::newRow("edit a drill") << "edit drill" << false << "Drill"
                                  << QStringList{"Layups", "12", "Finishing"} << true;
    QTest::newRow("proposal, before the node to edit")
        << "proposal" << true << "Drill" << QStringList{"Zone Press", "15", "Pressure"} << true;
}

void tst_TDrillEntry::modes()
{
    QFETCH(QString, mode);
    QFETCH(bool, typeGroup);
    QFETCH(QString, type);
    QFETCH(QStringList, fields);
    QFETCH(bool, drillFields);

    const DrillNode* category = m_tree.appendCategory(m_tree.root(), "Shooting");
    const DrillNode* drill = m_tree.appendDrill(m_tree.root(), {"Layups", 12, "Finishing"});
    // A previous use leaves the type and the fields behind.
    m_platform->runDialog(enterEntry("Drill", "Old", "7", "left over"));
    QCOMPARE(m_entry->run(), int(QDialog::Accepted));

    const DrillNode* node = nullptr;
    if (mode == "edit category")
        node = category;
    if (mode == "edit drill")
        node = drill;
    if (mode == "proposal") {
        m_entry->setDrillProposal("Zone Press", "15", "Pressure");
        node = drill;
    }
    Opened seen;
    openAndLook(node, seen);
    QCOMPARE(seen.typeGroup, typeGroup);
    QCOMPARE(seen.type, type);
    QCOMPARE((QStringList{seen.name, seen.minutes, seen.emphasis}), fields);
    QCOMPARE(seen.drillFields, drillFields);
    QCOMPARE(seen.focus, QString("DrillName"));
}

void tst_TDrillEntry::ok_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("minutesAfter");

    const QString whole = QString::fromUtf8(MinutesNotWholeMessage.data());
    const QString positive = QString::fromUtf8(MinutesNegativeMessage.data());
    QTest::newRow("blank before the minutes") << "Drill"
                                              << " 15"
                                              << ""
                                              << "15";
    QTest::newRow("control characters around") << "Drill"
                                               << "\t15\r\n"
                                               << ""
                                               << "15";
    QTest::newRow("zero") << "Drill"
                          << "0"
                          << ""
                          << "0";
    QTest::newRow("plus sign") << "Drill"
                               << "+5"
                               << ""
                               << "+5";
    QTest::newRow("negative") << "Drill"
                              << "-5" << positive << "-5";
    QTest::newRow("letters") << "Drill"
                             << "ab" << whole << "ab";
    QTest::newRow("empty") << "Drill"
                           << "  " << whole << "";
    QTest::newRow("blank inside") << "Drill"
                                  << "1 5" << whole << "1 5";
    QTest::newRow("beyond 32 bits") << "Drill"
                                    << "99999999999" << whole << "99999999999";
    QTest::newRow("category ignores the minutes") << "Category"
                                                  << "ab"
                                                  << ""
                                                  << "ab";
}

void tst_TDrillEntry::ok()
{
    QFETCH(QString, type);
    QFETCH(QString, minutes);
    QFETCH(QString, error);
    QFETCH(QString, minutesAfter);

    // A proposal may bring any text, longer than can be typed; the names lose
    // the quotes the file would take off.
    m_entry->setDrillProposal(" \x01'Name'\t", minutes, "  \"Emphasis\" ");
    bool stayedOpen = false;
    m_platform->runDialog([&](QDialog& dialog) {
        QTest::mouseClick(control<QRadioButton>(dialog, type == "Drill" ? "DrillRb" : "CategoryRb"),
                          Qt::LeftButton);
        click(dialog, "OkBtn");
        stayedOpen = dialog.isVisible();
        dialog.reject();
    });
    m_entry->run();
    QCOMPARE(m_platform->messages(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(stayedOpen, !error.isEmpty());
    QCOMPARE(m_entry->minutes(), minutesAfter);
    QCOMPARE(m_entry->name(), QString("Name"));
    QCOMPARE(m_entry->emphasis(), QString("Emphasis"));
    if (error.isEmpty() && type == "Drill")
        QCOMPARE(m_entry->drillRecord(), (DrillRecord{"Name", minutesAfter.toInt(), "Emphasis"}));
}

void tst_TDrillEntry::typeChoiceShowsTheDrillFields()
{
    m_platform->runDialog([](QDialog& dialog) {
        QTest::mouseClick(control<QRadioButton>(dialog, "DrillRb"), Qt::LeftButton);
        QVERIFY(opened(dialog).drillFields);
        QCOMPARE(opened(dialog).focus, QString("DrillName"));
        QTest::mouseClick(control<QRadioButton>(dialog, "CategoryRb"), Qt::LeftButton);
        QVERIFY(!opened(dialog).drillFields);
        QVERIFY(!control<QLabel>(dialog, "MinutesLbl")->isVisible());
        dialog.reject();
    });
    m_entry->run();
}

void tst_TDrillEntry::proposalOutlivesEveryClose()
{
    m_entry->setDrillProposal("Zone Press", "15", "Pressure");
    // Set at once into the fields, before the dialog opens.
    QCOMPARE(m_entry->name(), QString("Zone Press"));
    for (int use = 0; use < 2; ++use) {
        m_platform->runDialog(enterEntry("Category", "typed over"));
        m_entry->run();
        QVERIFY(m_entry->hasDrillProposal());
        Opened seen;
        openAndLook(nullptr, seen);
        QCOMPARE(seen.name, QString("Zone Press"));
        QCOMPARE(seen.type, QString("Drill"));
    }
    m_entry->clearDrillProposal();
    Opened seen;
    openAndLook(nullptr, seen);
    QCOMPARE(seen.name, QString());
    QCOMPARE(seen.minutes, QString("0"));
}

void tst_TDrillEntry::nodeForgottenOnEveryClose()
{
    const DrillNode* drill = m_tree.appendDrill(m_tree.root(), {"Layups", 12, "Finishing"});
    for (const char* how : {"ok", "cancel", "system"}) {
        m_platform->runDialog([how](QDialog& dialog) {
            if (QByteArray(how) == "ok")
                click(dialog, "OkBtn");
            else if (QByteArray(how) == "cancel")
                click(dialog, "CancelBtn");
            else
                dialog.close();
        });
        m_entry->run(drill);
        // The dialog itself forgets the node, whoever opens it next.
        m_platform->runDialog([](QDialog& dialog) {
            QVERIFY2(opened(dialog).typeGroup, "still in edit mode");
            dialog.reject();
        });
        Platform::instance().runModal(*m_entry);
    }
}

void tst_TDrillEntry::longTextsAreNotCut()
{
    const std::string longName(50, 'n');
    const DrillNode* drill =
        m_tree.appendDrill(m_tree.root(), {longName, 12, std::string(40, 'e')});
    m_platform->runDialog([](QDialog& dialog) {
        QCOMPARE(fieldsNotAtStart(dialog), QStringList());
        click(dialog, "OkBtn");
    });
    m_entry->run(drill);
    QCOMPARE(m_entry->name().toStdString(), longName);
    QCOMPARE(m_entry->emphasis().size(), 40);

    // Typing still stops at the field's limit.
    m_platform->runDialog([](QDialog& dialog) {
        QTest::keyClicks(control<QLineEdit>(dialog, "DrillName"), QString(40, 'x'));
        QTest::keyClicks(control<QLineEdit>(dialog, "MinutesEb"), "12345");
        dialog.reject();
    });
    m_entry->run();
    QCOMPARE(m_entry->name().size(), 35);
    QCOMPARE(m_entry->minutes(), QString("012"));
}

void tst_TDrillEntry::typingLimitDoesNotGrow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("given");

    QTest::newRow("proposed name of 40") << "DrillName" << QString(40, 'n');
    QTest::newRow("proposed minutes of 6 digits") << "MinutesEb"
                                                  << "123456";
    QTest::newRow("proposed emphasis of 33") << "EmphasisEb" << QString(33, 'e');
}

// A longer text given to a field stays whole, but the coach types no further
// than the limit: after deleting a character there is still no room.
void tst_TDrillEntry::typingLimitDoesNotGrow()
{
    QFETCH(QString, field);
    QFETCH(QString, given);

    m_entry->setDrillProposal(field == "DrillName" ? given : "Name",
                              field == "MinutesEb" ? given : "5",
                              field == "EmphasisEb" ? given : "");
    QString seen;
    m_platform->runDialog([&](QDialog& dialog) {
        auto* edit = control<QLineEdit>(dialog, field.toLatin1());
        QCOMPARE(edit->text(), given);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "78");
        seen = edit->text();
        dialog.reject();
    });
    m_entry->run();
    QCOMPARE(seen, given.chopped(1));
}

QTEST_MAIN(tst_TDrillEntry)
#include "tst_TDrillEntry.moc"
