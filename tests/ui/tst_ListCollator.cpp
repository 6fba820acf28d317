#include "ui/ListCollator.h"

#include <QLocale>
#include <QtTest>

#include <algorithm>

// Lists of names sort as a person expects, also where the system names no
// language (a bare Debian runs with LANG=C.UTF-8).
class tst_ListCollator : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
};

void tst_ListCollator::order_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");

    const QStringList names = {"Zeta", QString::fromUtf8("éclair"), "Banana", "apple", "Apple"};
    const QStringList neutral = {"apple", "Apple", "Banana", QString::fromUtf8("éclair"), "Zeta"};
    QTest::newRow("C.UTF-8") << "C.UTF-8" << names << neutral;
    QTest::newRow("POSIX") << "POSIX" << names << neutral;
    QTest::newRow("de_DE") << "de_DE" << names << neutral;
    QTest::newRow("de_DE, umlaut beside its letter")
        << "de_DE" << QStringList{"Otto", "Zora", QString::fromUtf8("Öhm"), "Pia"}
        << QStringList{QString::fromUtf8("Öhm"), "Otto", "Pia", "Zora"};
    QTest::newRow("C.UTF-8, numbers before letters")
        << "C.UTF-8" << QStringList{"b", "10 drills", "a", "2 drills"}
        << QStringList{"10 drills", "2 drills", "a", "b"};
}

void tst_ListCollator::order()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);

    const QCollator collator = ListCollator(Qt::CaseSensitive, QLocale(locale));
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    QCOMPARE(names, sorted);
}

QTEST_GUILESS_MAIN(tst_ListCollator)
#include "tst_ListCollator.moc"
