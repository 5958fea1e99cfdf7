// The entry line's rules without any widget: the session as the main window drives it.
#include "StoredRows.h"
#include "MainWindowFixture.h"
#include "contest/ContestSettingsStore.h"
#include "contestlog/CallInfoHooks.h"
#include "contest/ContestSession.h"
#include "contestlog/EntrySession.h"
#include "geo/Locator.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Records what the session asks of the call-sign information, in order.
struct RecordingHooks : CallInfoHooks
{
    QStringList calls;
    void callChanged(const QString &call, bool editing) override
    {
        calls << QStringLiteral("changed %1%2").arg(call, editing ? QStringLiteral(" (edit)") : QString());
    }
    void qsoLoaded(const QString &call) override { calls << QStringLiteral("loaded ") + call; }
    void qsoSaved(const QString &call, const QString &loc) override { calls << QStringLiteral("saved %1 %2").arg(call, loc); }
    void qsoUpdated(const QString &call, const QString &loc) override
    {
        calls << QStringLiteral("updated %1 %2").arg(call, loc);
    }
};

const int Qrb86CD = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN86CD")).qrb;
const int Qrb88AA = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN88AA")).qrb;

}

using Status = EntrySession::Outcome::Status;
using Field = EntrySession::Field;
Q_DECLARE_METATYPE(QList<Field>)

class TestEntrySession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saveStoresEntryAndStartsAfresh();
    void refusedEntryIsKeptAndNothingStored_data();
    void refusedEntryIsKeptAndNothingStored();
    void duplicateOnTheBandOnlyAndNeverAgainstItself();
    void totalsAndNextSerialFollowEveryChange();
    void updateRewritesLoadedQsoAndKeepsItsCountry();
    void updateAndDeleteWithoutLoadedQsoChangeNothing();

private:
    // Types a QSO into the draft as the entry line would pass it on.
    void type(const QString &call, const QString &serialReceived, const QString &locator);
    // Stored rows as "Call|NrS|QRB|Dupla|Loc" and the extra columns, trimmed, in ID order.
    QStringList stored(const QString &extraColumns = {}) const;

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<EntrySession> m_session;
    RecordingHooks m_hooks;
    RecordingSoundPlayer m_sound;
};

void TestEntrySession::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    QVERIFY(TestSupport::addBands(m_folder->file(QStringLiteral("contest.mdb")), {3, 4}));
    QString error;
    QVERIFY2(m_folder->context().session().open(&error), qPrintable(error));
    m_hooks.calls.clear();
    m_sound.played.clear();
    m_session = std::make_unique<EntrySession>(m_folder->context());
    m_session->setDatabase(m_folder->context().database());
    m_session->setCallInfo(&m_hooks);
    m_session->setSound(&m_sound);
    QVERIFY(m_session->changeBand(QStringLiteral("144 MHz")));
}

void TestEntrySession::cleanup()
{
    m_session.reset();
    m_folder.reset();
}

void TestEntrySession::type(const QString &call, const QString &serialReceived, const QString &locator)
{
    m_session->setTime(QStringLiteral("12:34"));
    m_session->setDate(QStringLiteral("2026-05-02"));
    m_session->setCall(call);
    m_session->setSerialReceived(serialReceived);
    m_session->setLocator(locator);
}

QStringList TestEntrySession::stored(const QString &extraColumns) const
{
    return TestSupport::storedRows(m_folder->context().database(),
                                   QStringLiteral("Call, NrS, QRB, Dupla, Loc")
                                       + (extraColumns.isEmpty() ? QString() : QStringLiteral(", ") + extraColumns));
}

void TestEntrySession::saveStoresEntryAndStartsAfresh()
{
    EntrySession &s = *m_session;
    QCOMPARE(s.serialToSend(), QStringLiteral("001"));
    QCOMPARE(s.modeText(), QStringLiteral("SSB"));
    QCOMPARE(s.sentReport(), QStringLiteral("59"));
    QCOMPARE(s.ownLocator(), QStringLiteral("JN85AB"));
    QCOMPARE(s.draft().locator, QStringLiteral("JN"));
    QSignalSpy reset(&s, &EntrySession::entryReset);
    type(QStringLiteral("9A2AA"), QStringLiteral("7"), QStringLiteral("JN86CD"));
    QCOMPARE(s.currentCall(), QStringLiteral("9A2AA"));
    s.setCountry(QStringLiteral("Croatia"), QStringLiteral("Croatia"));
    const EntrySession::Outcome o = s.save();
    QVERIFY(o.ok());
    QCOMPARE(stored(QStringLiteral("NrR, Bearing, Latitu, Longitu, DXCCd, Dodatak1, Time, Date, QSOs, ODX, Points")),
             QStringList{QStringLiteral("9A2AA|1|%1|-|JN86CD|7|6|46.1458|16.2083|Croatia|144 MHz|12:34|2026-05-02|0|0|0")
                             .arg(Qrb86CD)});
    // The known stations learn the QSO; the emptied call runs its checks once more.
    QCOMPARE(m_hooks.calls, QStringList({"changed 9A2AA", "saved 9A2AA JN86CD", "changed "}));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(s.mode(), EntrySession::Mode::New);
    QVERIFY(s.currentCall().isEmpty());
    QCOMPARE(s.draft().locator, QStringLiteral("JN"));
    QVERIFY(s.draft().serialReceived.isEmpty());
    QCOMPARE(s.serialToSend(), QStringLiteral("002"));
    QVERIFY(s.countryMarker().isEmpty());
    QCOMPARE(s.log().rowCount(), 1);
}

void TestEntrySession::refusedEntryIsKeptAndNothingStored_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("serialReceived");
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QString>("rstSent");
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<Field>>("fields");
    QTest::newRow("locator missing") << "S51A" << "5" << "" << "59" << int(Status::MissingData)
                                     << QList<Field>{Field::Locator};
    QTest::newRow("everything missing, named in entry order")
        << "" << "" << "" << "59" << int(Status::MissingData)
        << QList<Field>{Field::Call, Field::SerialReceived, Field::Locator};
    QTest::newRow("blank received serial is no number")
        << "S51A" << " " << "JN86CD" << "59" << int(Status::NotANumber) << QList<Field>{Field::SerialReceived};
    QTest::newRow("letters in the report sent")
        << "S51A" << "5" << "JN86CD" << "5x" << int(Status::NotANumber) << QList<Field>{Field::RstSent};
    QTest::newRow("locator of five characters")
        << "S51A" << "5" << "JN86C" << "59" << int(Status::BadLocator) << QList<Field>{Field::Locator};
}

void TestEntrySession::refusedEntryIsKeptAndNothingStored()
{
    QFETCH(QString, call);
    QFETCH(QString, serialReceived);
    QFETCH(QString, locator);
    QFETCH(QString, rstSent);
    QFETCH(int, status);
    QFETCH(QList<Field>, fields);
    EntrySession &s = *m_session;
    type(call, serialReceived, locator);
    s.setRstSent(rstSent);
    QSignalSpy reset(&s, &EntrySession::entryReset);
    const EntrySession::Outcome o = s.save();
    QCOMPARE(int(o.status), status);
    QCOMPARE(o.fields, fields);
    QVERIFY(stored().isEmpty());
    QVERIFY(reset.isEmpty());
    QCOMPARE(s.currentCall(), call);
    QCOMPARE(s.draft().serialReceived, serialReceived);
    QCOMPARE(s.draft().locator, locator);
    QCOMPARE(s.serialToSend(), QStringLiteral("001"));
}

void TestEntrySession::duplicateOnTheBandOnlyAndNeverAgainstItself()
{
    EntrySession &s = *m_session;
    QSignalSpy checked(&s, &EntrySession::duplicateChecked);
    type(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("JN86CD"));
    QVERIFY(s.save().ok());
    m_sound.played.clear();
    s.setCall(QStringLiteral("S51"));
    QCOMPARE(s.duplicateMark(), QStringLiteral("-"));
    s.setCall(QStringLiteral("S51A"));
    QVERIFY(s.isDuplicate());
    QCOMPARE(checked.last().at(0).toBool(), true);
    QCOMPARE(m_sound.played.size(), 1);
    s.setCall(QStringLiteral("s51a")); // letter case counts
    QVERIFY(!s.isDuplicate());
    s.setCall(QStringLiteral("S51A"));
    type(QStringLiteral("S51A"), QStringLiteral("2"), QStringLiteral("JN86CD"));
    QVERIFY(s.save().ok());
    QCOMPARE(stored().last(), QStringLiteral("S51A|2|0|D|JN86CD")); // a duplicate scores nothing
    // Loading the first QSO: the other row matches, but its own stored mark shows.
    s.loadForEditing(s.log().rows().first());
    QCOMPARE(s.duplicateMark(), QStringLiteral("-"));
    QCOMPARE(checked.last().at(0).toBool(), false);
    // Another band knows nothing of it.
    QVERIFY(s.changeBand(QStringLiteral("432 MHz")));
    s.setCall(QStringLiteral("S51A"));
    QCOMPARE(s.duplicateMark(), QStringLiteral("-"));
}

void TestEntrySession::totalsAndNextSerialFollowEveryChange()
{
    EntrySession &s = *m_session;
    QSignalSpy totals(&s, &EntrySession::totalsChanged);
    type(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("JN86CD"));
    QVERIFY(s.save().ok());
    type(QStringLiteral("S51A"), QStringLiteral("2"), QStringLiteral("JN86CD")); // duplicate: 0 points
    QVERIFY(s.save().ok());
    type(QStringLiteral("OE3X"), QStringLiteral("3"), QStringLiteral("JN88AA"));
    QVERIFY(s.save().ok());
    QCOMPARE(totals.size(), 3);
    QCOMPARE(s.totals().count, 3);
    QCOMPARE(s.totals().points, Qrb86CD + Qrb88AA);
    QCOMPARE(s.totals().odx, qMax(Qrb86CD, Qrb88AA));
    QCOMPARE(s.serialToSend(), QStringLiteral("004"));
    // The command line's count of the stored rows is the same.
    LogStore::Totals sql;
    QVERIFY(s.store().totals(QStringLiteral("144 MHz"), sql));
    QCOMPARE(sql.count, s.totals().count);
    QCOMPARE(sql.points, s.totals().points);
    QCOMPARE(sql.odx, s.totals().odx);
    // The third QSO recorded the totals shown before it.
    QCOMPARE(stored(QStringLiteral("QSOs, ODX, Points")).last().section(u'|', 5), QStringLiteral("2|%1|%1").arg(Qrb86CD));

    // Deleting a QSO in the middle never makes a serial come again.
    s.loadForEditing(s.log().rows().at(1));
    QVERIFY(s.remove());
    QCOMPARE(s.totals().count, 2);
    QCOMPARE(s.serialToSend(), QStringLiteral("004"));
    type(QStringLiteral("HA5X"), QStringLiteral("4"), QStringLiteral("JN86CD"));
    QVERIFY(s.save().ok());
    QCOMPARE(stored(QStringLiteral("NrS")).join(u','),
             QStringLiteral("S51A|1|%1|-|JN86CD|1,OE3X|3|%2|-|JN88AA|3,HA5X|4|%1|-|JN86CD|4").arg(Qrb86CD).arg(Qrb88AA));
    // Reading the band afresh gives the same figures.
    const BandTotals before = s.totals();
    QVERIFY(s.reload());
    QCOMPARE(s.totals().count, before.count);
    QCOMPARE(s.totals().points, before.points);
    QCOMPARE(s.nextSerial(), 5);
}

void TestEntrySession::updateRewritesLoadedQsoAndKeepsItsCountry()
{
    EntrySession &s = *m_session;
    type(QStringLiteral("9A1AA"), QStringLiteral("1"), QStringLiteral("JN86CD"));
    s.setCountry(QStringLiteral("Croatia"), QStringLiteral("Croatia"));
    QVERIFY(s.save().ok());
    type(QStringLiteral("9A2BB"), QStringLiteral("2"), QStringLiteral("JN86CD"));
    s.setCountry(QStringLiteral("Croatia"), QStringLiteral("-"));
    QVERIFY(s.save().ok());
    m_hooks.calls.clear();
    QSignalSpy rows(&s, &EntrySession::currentRowChanged);

    s.loadForEditing(s.log().rows().first());
    QCOMPARE(s.mode(), EntrySession::Mode::Edit);
    QCOMPARE(s.editedId(), s.log().rows().first().id);
    QCOMPARE(s.serialToSend(), QStringLiteral("001"));
    QCOMPARE(s.draft().serialReceived, QStringLiteral("001"));
    QCOMPARE(s.draft().time, QStringLiteral("12:34"));
    QCOMPARE(s.countryMarker(), QStringLiteral("Croatia"));
    QCOMPARE(m_hooks.calls, QStringList({"changed 9A1AA", "loaded 9A1AA"}));
    // A lookup that lands elsewhere does not rewrite the country of an unchanged call.
    s.setCountry(QStringLiteral("Austria"), QStringLiteral("Austria"));
    s.setLocator(QStringLiteral("JN88AA"));
    s.setTime(QStringLiteral("12:40"));
    QVERIFY(s.update().ok());
    QCOMPARE(stored(QStringLiteral("Time, DXCCd")).first(),
             QStringLiteral("9A1AA|1|%1|-|JN88AA|12:40|Croatia").arg(Qrb88AA));
    QCOMPARE(m_hooks.calls.mid(2, 1), QStringList{"updated 9A1AA JN88AA"});
    QCOMPARE(rows.last().at(0).toInt(), 1); // the band's last QSO is current again
    QCOMPARE(s.mode(), EntrySession::Mode::New);
    QVERIFY(!s.editedId());
    QCOMPARE(s.totals().points, Qrb88AA + Qrb86CD);

    // A changed call takes the marker of its own lookup.
    s.loadForEditing(s.log().rows().at(1));
    s.setCall(QStringLiteral("OE6XG"));
    s.setCountry(QStringLiteral("Austria"), QStringLiteral("Austria"));
    QVERIFY(s.update().ok());
    QCOMPARE(stored(QStringLiteral("DXCCd")).last().section(u'|', 0, 0) + "|" +
                 stored(QStringLiteral("DXCCd")).last().section(u'|', 5),
             QStringLiteral("OE6XG|Austria"));
    QCOMPARE(s.log().rows().at(1).call, QStringLiteral("OE6XG "));
}

void TestEntrySession::updateAndDeleteWithoutLoadedQsoChangeNothing()
{
    EntrySession &s = *m_session;
    type(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("JN86CD"));
    QVERIFY(s.save().ok());
    type(QStringLiteral("S52A"), QStringLiteral("2"), QStringLiteral("JN86CD"));
    QCOMPARE(int(s.update().status), int(Status::NothingLoaded));
    QVERIFY(s.remove());
    QCOMPARE(stored(), QStringList{QStringLiteral("S51A|1|%1|-|JN86CD").arg(Qrb86CD)});
    QVERIFY(s.currentCall().isEmpty()); // the typed QSO is thrown away all the same
    QCOMPARE(s.serialToSend(), QStringLiteral("002"));
}

QTEST_MAIN(TestEntrySession)
#include "tst_entrysession.moc"
