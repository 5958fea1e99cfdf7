#include "EntryFixture.h"

#include "callinfo/WorkedDxcc.h"

#include <QtTest>

namespace {

QsoRow row(qint64 id, const QString &nrs, const QString &dxccd)
{
    QsoRow r;
    r.id = id;
    r.call = QStringLiteral("X1X ");
    r.nrs = nrs;
    r.dxccd = dxccd;
    r.dodatak1 = QStringLiteral("144 MHz ");
    return r;
}

using Rows = QVector<QsoRow>;

}

Q_DECLARE_METATYPE(QVector<QsoRow>)

class TestNewDxcc : public QObject
{
    Q_OBJECT
private slots:
    void marker_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("country"); // shown in Label17
        QTest::addColumn<QString>("serial");  // Text4
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("flag");
        const QString hr = QStringLiteral("Croatia");
        QTest::newRow("empty band: new") << Rows{} << hr << "001" << hr << true;
        QTest::newRow("empty band without a country: new") << Rows{} << "" << "001" << "" << true;
        QTest::newRow("worked in another QSO: dash") << Rows{row(1, "1", "Croatia ")} << hr << "002" << "-" << false;
        QTest::newRow("worked, shown with blanks around") << Rows{row(1, "1", "Croatia ")} << "  Croatia " << "002"
                                                           << "-" << false;
        QTest::newRow("the only row is the QSO being edited: new")
            << Rows{row(1, "7", "Croatia ")} << hr << "007" << hr << true;
        QTest::newRow("edited QSO is not the first of its country: dash")
            << Rows{row(1, "1", "Croatia "), row(2, "2", "- ")} << hr << "002" << "-" << false;
        QTest::newRow("other countries only: new") << Rows{row(1, "1", "Slovenia "), row(2, "2", "- ")} << hr
                                                    << "003" << hr << true;
        QTest::newRow("no country on a band with QSOs: marker kept")
            << Rows{row(1, "1", "Croatia ")} << "" << "002" << "kept" << false;
    }
    void marker()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, country);
        QFETCH(QString, serial);
        QFETCH(QString, marker);
        QFETCH(bool, flag);
        EntryFixture f;
        f.band.reset(rows);
        f.session.setCountry(QString(), QStringLiteral("kept"));
        f.entry.Label25->show();
        f.entry.Label17->setText(country);
        f.entry.Text4->setText(serial);
        f.callInfo->CheckNewDxcc();
        QCOMPARE(f.session.country(), country.trimmed());
        QCOMPARE(f.session.countryMarker(), marker);
        QCOMPARE(!f.entry.Label25->isHidden(), flag);
    }

    void countWorked_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("count"); // -1: the display keeps its content
        QTest::newRow("empty band") << Rows{} << -1;
        QTest::newRow("no row carries a country") << Rows{row(1, "1", " "), row(2, "2", "- ")} << -1;
        QTest::newRow("first QSOs of two countries")
            << Rows{row(1, "1", "Croatia "), row(2, "2", "- "), row(3, "3", "Slovenia "), row(4, "4", " ")} << 2;
        QTest::newRow("deleted first QSO leaves dashes uncounted") << Rows{row(2, "2", "- "), row(3, "3", "- ")} << -1;
    }
    void countWorked()
    {
        QFETCH(Rows, rows);
        QFETCH(int, count);
        QCOMPARE(WorkedDxcc::countWorkedDxcc(rows).value_or(-1), count);
    }
};

QTEST_MAIN(TestNewDxcc)
#include "tst_newdxcc.moc"
