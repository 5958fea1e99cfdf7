// The keying thread against a recording line: order, durations, stop and failures.
#include "FakeRtsLine.h"
#include "cw/Keyer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

// Recorded durations against the expected "on 112 off 448 ..." within `tolerance` ms.
QString compareDurations(const QStringList &got, const QString &expected, int tolerance)
{
    const QStringList want = expected.split(QLatin1Char(' '));
    QStringList wantPairs;
    for (int i = 0; i + 1 < want.size(); i += 2)
        wantPairs << want.at(i) + QLatin1Char(' ') + want.at(i + 1);
    if (got.size() != wantPairs.size())
        return QStringLiteral("got %1 switches, expected %2: %3").arg(got.size()).arg(wantPairs.size()).arg(got.join(", "));
    for (int i = 0; i < got.size(); ++i) {
        const QStringList g = got.at(i).split(QLatin1Char(' '));
        const QStringList w = wantPairs.at(i).split(QLatin1Char(' '));
        if (g.at(0) != w.at(0) || std::abs(g.at(1).toInt() - w.at(1).toInt()) > tolerance)
            return QStringLiteral("switch %1: got %2, expected %3 (all: %4)").arg(i).arg(got.at(i), wantPairs.at(i),
                                                                                    got.join(", "));
    }
    return {};
}

}

class TestKeyer : public QObject
{
    Q_OBJECT
private slots:
    void keysTheScheduleOnTime_data();
    void keysTheScheduleOnTime();
    void reportsEveryCharacterAsItStarts();
    void stopEndsAfterTheCharacterInProgress();
    void busyKeyerRefusesASecondMessage();
    void failuresCloseTheLineAndReport_data();
    void failuresCloseTheLineAndReport();
    void destroyingMidMessageDoesNotWaitForIt();
};

void TestKeyer::keysTheScheduleOnTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("leadingPause");
    QTest::newRow("ab at medium")
        << "ab" << 88 << "on 112 off 112 on 336 off 448 on 336 off 112 on 112 off 112 on 112 off 112 on 112 off 448" << 0;
    QTest::newRow("words and silent characters at fast")
        << " tA! t" << 175 << "on 75 off 175 on 75 off 100" << 75;
}

void TestKeyer::keysTheScheduleOnTime()
{
    QFETCH(QString, text);
    QFETCH(int, speed);
    QFETCH(QString, expected);
    QFETCH(int, leadingPause);
    auto line = std::make_shared<FakeRtsLine>();
    Keyer keyer(line);
    QSignalSpy finished(&keyer, &Keyer::finished);
    QVERIFY(keyer.send(QStringLiteral("/dev/ttyS1"), text, Morse::timingFor(speed, 3)));
    QVERIFY(keyer.isBusy());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(!keyer.isBusy());
    QCOMPARE(line->openedPorts(), QStringList{"/dev/ttyS1"});
    QVERIFY(!line->isOpen());
    // Single elements may wake late on a busy machine; the message as a whole keeps to
    // its plan because every element ends at a planned time, not after a sum of sleeps.
    const QString mismatch = compareDurations(line->durations(), expected, 12);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QVERIFY2(std::abs(line->msFromOpenToFirstSwitch() - leadingPause) <= 12,
             qPrintable(QString::number(line->msFromOpenToFirstSwitch())));
    int planned = leadingPause;
    for (const QString &part : expected.split(QLatin1Char(' ')))
        planned += part.toInt();
    const QVector<FakeRtsLine::Event> events = line->events();
    const double total = std::chrono::duration<double, std::milli>(line->closedAt() - events.first().time).count()
                         + line->msFromOpenToFirstSwitch();
    QVERIFY2(std::abs(total - planned) <= 12, qPrintable(QStringLiteral("%1 ms for %2 planned").arg(total).arg(planned)));
}

void TestKeyer::reportsEveryCharacterAsItStarts()
{
    auto line = std::make_shared<FakeRtsLine>();
    Keyer keyer(line);
    QString shown;
    QList<qint64> at;
    QElapsedTimer clock;
    connect(&keyer, &Keyer::characterStarted, this, [&](int index, QChar c) {
        QCOMPARE(index, shown.size());
        shown += c;
        at << clock.elapsed();
    });
    QSignalSpy finished(&keyer, &Keyer::finished);
    clock.start();
    QVERIFY(keyer.send(QStringLiteral("x"), QStringLiteral("e\"T\"e"), Morse::timingFor(175, 3)));
    QVERIFY(finished.wait(5000));
    QCOMPARE(shown, QStringLiteral("e\"T\"e"));
    // Quotes and the upper-case letter take no time: the last "e" starts one character
    // (25 + 100 ms) after the first.
    QVERIFY2(at.last() - at.first() >= 120 && at.last() - at.first() < 200, qPrintable(QString::number(at.last())));
    QCOMPARE(line->durations().size(), 4);
}

void TestKeyer::stopEndsAfterTheCharacterInProgress()
{
    auto line = std::make_shared<FakeRtsLine>();
    Keyer keyer(line);
    QSignalSpy finished(&keyer, &Keyer::finished);
    QSignalSpy started(&keyer, &Keyer::characterStarted);
    QVERIFY(keyer.send(QStringLiteral("x"), QStringLiteral("tttt"), Morse::timingFor(88, 3)));
    QVERIFY(started.wait(2000));
    keyer.stop();
    QVERIFY(keyer.isStopping());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(started.size(), 1);
    // The dash in progress was finished with its full length and the line closed after it.
    const QString mismatch = compareDurations(line->durations(), QStringLiteral("on 336 off 448"), 12);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QVERIFY(!line->isOpen());
    QVERIFY(!keyer.isBusy());
}

void TestKeyer::busyKeyerRefusesASecondMessage()
{
    auto line = std::make_shared<FakeRtsLine>();
    Keyer keyer(line);
    QSignalSpy finished(&keyer, &Keyer::finished);
    QVERIFY(keyer.send(QStringLiteral("x"), QStringLiteral("e"), Morse::timingFor(175, 3)));
    QVERIFY(!keyer.send(QStringLiteral("x"), QStringLiteral("ttt"), Morse::timingFor(175, 3)));
    QVERIFY(finished.wait(2000));
    QCOMPARE(line->durations().size(), 2);
    QVERIFY(keyer.send(QStringLiteral("x"), QStringLiteral("e"), Morse::timingFor(175, 3)));
    QVERIFY(finished.wait(2000));
    QCOMPARE(line->openedPorts().size(), 2);
}

void TestKeyer::failuresCloseTheLineAndReport_data()
{
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<int>("refuseFrom");
    QTest::addColumn<QString>("reason");
    QTest::newRow("port cannot be opened") << true << -1 << "No such file or directory";
    QTest::newRow("port refuses RTS at the first element") << false << 0 << "the port does not switch RTS";
    QTest::newRow("port stops taking RTS mid-message") << false << 3 << "the port does not switch RTS";
}

void TestKeyer::failuresCloseTheLineAndReport()
{
    QFETCH(bool, openFails);
    QFETCH(int, refuseFrom);
    QFETCH(QString, reason);
    auto line = std::make_shared<FakeRtsLine>();
    if (openFails)
        line->failOpenWith(reason);
    line->refuseFrom(refuseFrom);
    Keyer keyer(line);
    QSignalSpy failed(&keyer, &Keyer::failed);
    QSignalSpy finished(&keyer, &Keyer::finished);
    QVERIFY(keyer.send(QStringLiteral("/dev/ttyS3"), QStringLiteral("eeee"), Morse::timingFor(175, 3)));
    QVERIFY(failed.wait(3000));
    QCOMPARE(failed.first().first().toString(), reason);
    QCOMPARE(finished.size(), 0);
    QVERIFY(!line->isOpen());
    QVERIFY(!keyer.isBusy());
    QCOMPARE(line->events().size(), std::max(refuseFrom, 0));
}

void TestKeyer::destroyingMidMessageDoesNotWaitForIt()
{
    auto line = std::make_shared<FakeRtsLine>();
    auto keyer = std::make_unique<Keyer>(line);
    QSignalSpy started(keyer.get(), &Keyer::characterStarted);
    // ">" at the slowest speed keys for seconds.
    QVERIFY(keyer->send(QStringLiteral("x"), QStringLiteral(">>"), Morse::timingFor(1, 3)));
    QVERIFY(started.wait(2000));
    QElapsedTimer t;
    t.start();
    keyer.reset();
    QVERIFY2(t.elapsed() < 300, qPrintable(QString::number(t.elapsed())));
    QVERIFY(!line->isOpen());
}

QTEST_GUILESS_MAIN(TestKeyer)
#include "tst_keyer.moc"
