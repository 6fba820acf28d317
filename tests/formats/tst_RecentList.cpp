#include "formats/RecentList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// "$" stands for a folder holding a.pln, b.pln and link.pln, a link to a.pln.
class tst_RecentList : public QObject
{
    Q_OBJECT

private slots:
    void update_data();
    void update();

private:
    QTemporaryDir m_folder;
};

void tst_RecentList::update_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");

    const QStringList eight{"$/1", "$/2", "$/3", "$/4", "$/5", "$/6", "$/7", "$/8"};
    const QStringList ab{"$/a.pln", "$/b.pln"};
    QTest::newRow("used again moves up") << ab << "$/b.pln" << QStringList{"$/b.pln", "$/a.pln"};
    QTest::newRow("other spelling, newest kept")
        << ab << "$//x/.././a.pln" << QStringList{"$//x/.././a.pln", "$/b.pln"};
    QTest::newRow("through a link") << ab << "$/link.pln" << QStringList{"$/link.pln", "$/b.pln"};
    QTest::newRow("missing file, two spellings")
        << QStringList{"$/gone.pln"} << "$/./gone.pln" << QStringList{"$/./gone.pln"};
    QTest::newRow("ninth drops the oldest")
        << eight << "$/9" << QStringList{"$/9"} + eight.mid(0, 7);
    QTest::newRow("untidy list read back")
        << QStringList{"", "$/a.pln", "$/link.pln"} + eight << "$/b.pln"
        << QStringList{"$/b.pln", "$/a.pln"} + eight.mid(0, 6);
}

void tst_RecentList::update()
{
    QFETCH(QStringList, list);
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    QFile(m_folder.filePath("a.pln")).open(QIODevice::WriteOnly);
    QFile(m_folder.filePath("b.pln")).open(QIODevice::WriteOnly);
    QFile::link(m_folder.filePath("a.pln"), m_folder.filePath("link.pln"));

    const auto paths = [this](QStringList texts) {
        std::vector<std::string> result;
        for (QString& text : texts)
            result.push_back(text.replace('$', m_folder.path()).toStdString());
        return result;
    };
    QCOMPARE(WithRecentDocument(paths(list), paths({path}).front()), paths(expected));
}

QTEST_GUILESS_MAIN(tst_RecentList)
#include "tst_RecentList.moc"
