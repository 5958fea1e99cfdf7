// The LED clock and the clock timers of the main window, on an injected UTC source.
#include "TestPlatform.h"
#include "platform/UtcClock.h"
#include "shell/ui/LedClock.h"
#include "shell/ui/UtcClockController.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace {


QDateTime utc(int h, int m, int s, QDate d = QDate(2026, 5, 2))
{
    return QDateTime(d, QTime(h, m, s), Qt::UTC);
}

}

class TestUtcClock : public QObject
{
    Q_OBJECT
    FixedClock m_clock;

private slots:
    void init() { m_clock.now = utc(9, 5, 7); }

    void textAndDateComeFromTheUtcSource()
    {
        // A moment whose local date may differ: the source decides, not the local clock.
        m_clock.now = utc(23, 59, 58, QDate(2026, 12, 31));
        QCOMPARE(UtcTimeText(m_clock), QStringLiteral("23:59:58"));
        QCOMPARE(UtcDate(m_clock), QDate(2026, 12, 31));
    }

    void ledClockShowsTheUtcTime_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<int>>("pictures"); // d + 1 for digit d, 11 blank
        QTest::newRow("09:05:07 blanks the leading zero") << utc(9, 5, 7) << QList<int>{11, 10, 1, 6, 1, 8};
        QTest::newRow("10:00:00 keeps the zeros after a one") << utc(10, 0, 0) << QList<int>{2, 1, 1, 1, 1, 1};
        QTest::newRow("00:00:00 shows the second hour digit") << utc(0, 0, 0) << QList<int>{11, 1, 1, 1, 1, 1};
        QTest::newRow("23:59:59") << utc(23, 59, 59) << QList<int>{3, 4, 6, 10, 6, 10};
    }
    void ledClockShowsTheUtcTime()
    {
        QFETCH(QDateTime, now);
        QFETCH(QList<int>, pictures);
        LedClock clock(m_clock);
        m_clock.now = utc(18, 48, 36); // something else first: every digit must change
        clock.ShowLedClock();
        m_clock.now = now;
        clock.ShowLedClock();
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(clock.picture(i), pictures.at(i));
            auto *led = clock.findChild<QLabel *>(QStringLiteral("imgLED(%1)").arg(i));
            QVERIFY(led);
            QCOMPARE(led->pixmap().toImage(), clock.pictures().at(pictures.at(i)).toImage());
        }
    }

    void ledClockHasItsDesignNamesAndElevenDistinctPictures()
    {
        LedClock clock(m_clock);
        QCOMPARE(clock.objectName(), QStringLiteral("picFrame"));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(clock.findChildren<QLabel *>(QStringLiteral("imgLED(%1)").arg(i)).size(), 1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(clock.findChildren<QWidget *>(QStringLiteral("shpDot(%1)").arg(i)).size(), 1);
        QSet<QByteArray> distinct;
        for (int n = 1; n <= 11; ++n) {
            const QImage img = clock.pictures().at(n).toImage();
            QVERIFY(!img.isNull());
            distinct.insert(QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), 11);
    }

    void timersFillTimeAndDateUnlessLoggingAfterwards()
    {
        QLineEdit time, date;
        QCheckBox check;
        LedClock led(m_clock);
        m_clock.now = utc(23, 59, 30, QDate(2026, 5, 2));
        UtcClockController controller(m_clock, &time, &date, &check, &led);
        QCOMPARE(controller.timer1()->interval(), 1000);
        QCOMPARE(controller.timer2()->interval(), 100);
        QCOMPARE(time.text(), QStringLiteral("23:59"));
        QCOMPARE(date.text(), QStringLiteral("2026-05-02"));

        m_clock.now = utc(0, 0, 4, QDate(2026, 5, 3));
        QTRY_COMPARE_WITH_TIMEOUT(led.picture(5), 5, 500); // Timer2 follows within 100 ms
        QTRY_COMPARE_WITH_TIMEOUT(date.text(), QStringLiteral("2026-05-03"), 1500);
        QCOMPARE(time.text(), QStringLiteral("00:00"));

        // "Naknadno vođenje": the typed time and date stay.
        check.setChecked(true);
        time.setText(QStringLiteral("12:34"));
        date.setText(QStringLiteral("2026-04-30"));
        m_clock.now = utc(0, 1, 0, QDate(2026, 5, 3));
        QTest::qWait(1200);
        QCOMPARE(time.text(), QStringLiteral("12:34"));
        QCOMPARE(date.text(), QStringLiteral("2026-04-30"));

        check.setChecked(false);
        QTRY_COMPARE_WITH_TIMEOUT(time.text(), QStringLiteral("00:01"), 1500);
        QCOMPARE(date.text(), QStringLiteral("2026-05-03"));
    }
};

QTEST_MAIN(TestUtcClock)
#include "tst_utcclock.moc"
