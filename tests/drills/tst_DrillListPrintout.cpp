#include "DrillTestKeys.h"
#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "drills/DrillListPrintout.h"
#include "report/ReportPage.h"

#include <QtTest>

// At 300 dpi: line height 58, top line 3, left margin 225 (0.75 inch).
class tst_DrillListPrintout : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void tst_DrillListPrintout::rows_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("nodeLines");

    QTest::newRow("only the root") << "C1" << QStringList();
    QTest::newRow("three levels, drills like categories")
        << "C1C2C3D4D3C2"
        << QStringList{"text 225 348 Cat1", "text 225 406     Cat2", "text 225 464         Drl0",
                       "text 225 522     Drl1", "text 225 580 Cat3"};
    QTest::newRow("depth 9") << "C1C2C3C4C5C6C7C8D9"
                             << QStringList{"text 225 348 Cat1",
                                            "text 225 406     Cat2",
                                            "text 225 464         Cat3",
                                            "text 225 522             Cat4",
                                            "text 225 580                 Cat5",
                                            "text 225 638                     Cat6",
                                            "text 225 696                         Cat7",
                                            "text 225 754                             Drl0"};
}

void tst_DrillListPrintout::rows()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, nodeLines);

    TempDataDir data;
    DrillTree tree;
    QCOMPARE(DecodeDrillPattern(pattern.toStdString(), DrillTestKeys(), tree), std::string());
    RecordingSurface surface(300, 300, 2400, 3150);
    ReportPage page(surface, DrillListPrintoutInfo);
    QVERIFY(page.startJob());
    const qsizetype header = surface.calls.size();
    PrintDrillListRows(page, tree);

    QCOMPARE(surface.calls.mid(header, 4),
             (QStringList{"font Arial 10 bold", "text 225 290 Drill List", "font Arial 10",
                          // line 5 x 58 + 58 x 5 / 7, truncated
                          "line 225 331 2175 331"}));
    QCOMPARE(surface.calls.mid(header + 4), nodeLines);
    page.endJob();
    QCOMPARE(surface.callsOf("title"), QStringList{"title Corvanta - Drill List"});
    QCOMPARE(surface.callsOf("text").at(0), QString("text 1055 127 Drill List"));
}

QTEST_GUILESS_MAIN(tst_DrillListPrintout)
#include "tst_DrillListPrintout.moc"
