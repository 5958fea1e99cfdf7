#pragma once
// The contest the export tests share: four bands with settings rows (50 MHz without
// QSOs, 144 MHz with remarks of one line, 432 MHz with remarks of two lines, 1,3 GHz
// without remarks), a duplicate, a call with "/", diacritics in the address and the
// contest name, serials 1 and 1000, modes "FM" and "Drugo!", and a QSO whose date and
// time are stored in the accepted alternative formats.
#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSettings.h"
#include "contestlog/LogStore.h"
#include "export/ExportTotals.h"
#include "platform/SqliteDatabase.h"

#include <QFile>
#include <QString>

namespace ExportFixture {

inline ContestSettings settings()
{
    ContestSettings s;
    s.nazivNatjecanja = QStringLiteral("Kup Međimurja");
    s.trajeOd = QStringLiteral("2026-05-02");
    s.trajeDo = QStringLiteral("2026-05-03");
    s.pozivniZnak = QStringLiteral("9A1ABC/P");
    s.ime = QStringLiteral("Ivo");
    s.lokator = QStringLiteral("JN86CD");
    s.adresa = QStringLiteral("Čakovečka 5, Đurđevac");
    s.klub = QStringLiteral("Radio klub Šoštanj");
    s.operatori = QStringLiteral("9A1ABC;9A2XYZ");
    s.ime1 = QStringLiteral("Ivo Horvat");
    s.pozivniZnak1 = QStringLiteral("9A1ABC");
    s.adresa1 = QStringLiteral("Ulica 1");
    s.postanskiBroj1 = QStringLiteral("42000");
    s.mjesto1 = QStringLiteral("Varaždin");
    s.drzava1 = QStringLiteral("Hrvatska");
    s.telefBroj1 = QStringLiteral("042 123 456");
    for (int k : {1, 3, 4, 5}) {
        BandSettings &b = s.bands[k];
        b.band = BandLabels::label(k);
        b.kategorija = QStringLiteral("SINGLE");
        b.snaga = k == 3 ? QStringLiteral("100") : QStringLiteral("50");
        b.transOsc = QStringLiteral("0");
        b.rx = QStringLiteral("IC-9700");
        b.tx = QStringLiteral("IC-9700");
        b.antena = QStringLiteral("2x 10el");
        b.visinaAntene = QStringLiteral("12");
        b.nadmorska = QStringLiteral("1061");
        b.mode = QStringLiteral("SSB");
    }
    s.bands[3].komentar = QStringLiteral("Rad s vrha Ivanščice");
    s.bands[4].komentar = QStringLiteral("Antena na krovu\nDrugi red napomene");
    return s;
}

inline QsoEntry qso(const QString &band, const QString &date, const QString &time, const QString &call,
                    const QString &mode, qint64 nrs, qint64 nrr, const QString &loc, qint64 qrb,
                    const QString &dupla = QStringLiteral("-"))
{
    QsoEntry e;
    e.time = time;
    e.date = date;
    e.call = call;
    e.rsts = 59;
    e.nrs = nrs;
    e.mode = mode;
    e.rstr = 57;
    e.nrr = nrr;
    e.loc = loc;
    e.qrb = qrb;
    e.bearing = 123;
    e.dupla = dupla;
    e.longitu = QStringLiteral("16.2083");
    e.latitu = QStringLiteral("46.1458");
    e.band = band;
    return e;
}

// The QSOs in the order they are stored.
inline QList<QsoEntry> qsos()
{
    const QString b2 = QStringLiteral("144 MHz"), b70 = QStringLiteral("432 MHz"), b23 = QStringLiteral("1,3 GHz");
    const QString d = QStringLiteral("2026-05-02");
    return {
        qso(b2, d, QStringLiteral("14:01"), QStringLiteral("S51ZZ/P"), QStringLiteral("SSB"), 1, 12,
            QStringLiteral("JN76TO"), 160),
        qso(b2, d, QStringLiteral("14:15"), QStringLiteral("9A2BB"), QStringLiteral("FM"), 2, 1000,
            QStringLiteral("JN95AA"), 412),
        qso(b70, d, QStringLiteral("14:20"), QStringLiteral("9A3CC"), QStringLiteral("SSB"), 1, 5,
            QStringLiteral("JN85XX"), 30),
        qso(b2, d, QStringLiteral("15:40"), QStringLiteral("OK1KKK"), QStringLiteral("Drugo!"), 3, 44,
            QStringLiteral("JO70AA"), 412),
        qso(b2, d, QStringLiteral("16:02"), QStringLiteral("9A2BB"), QStringLiteral("CW"), 4, 3,
            QStringLiteral("JN95AA"), 0, QStringLiteral("D")),
        qso(b23, d, QStringLiteral("17:00"), QStringLiteral("S57C"), QStringLiteral("CW"), 1, 9,
            QStringLiteral("JN76JG"), 88),
        qso(b70, QStringLiteral("03.05.2026"), QStringLiteral("00:05:30"), QStringLiteral("DL1AAA"),
            QStringLiteral("CW"), 2, 77, QStringLiteral("JN58TD"), 600),
        qso(b2, QStringLiteral("3.5.2026"), QStringLiteral("09:59"), QStringLiteral("HA5XX"),
            QStringLiteral("ATV"), 1000, 7, QStringLiteral("JN97LN"), 290),
    };
}

// Creates the fixture contest in a new file at `path`.
inline bool create(const QString &path, QString *error)
{
    if (!ContestDatabase::createFile(path, error))
        return false;
    QSqlDatabase db = ContestDatabase::open(path, error);
    if (!db.isValid())
        return false;
    bool ok = true;
    {
        const ContestSettings s = settings();
        for (int k : {1, 3, 4, 5})
            ok = ok && ContestSettingsTable::insertBandRow(db, s, k, error);
        LogStore store(db);
        for (const QsoEntry &e : qsos())
            ok = ok && store.insert(e, error).has_value();
    }
    SqliteDatabase::close(db);
    return ok;
}

// The totals the main window shows for a band (its QSO count and the sum of QRB).
inline ExportTotals totals(QSqlDatabase db, const QString &band)
{
    LogStore::Totals t;
    LogStore(db).totals(band, t);
    return {QString::number(t.count), QString::number(t.points)};
}

inline QByteArray expected(const QString &name)
{
    QFile f(QStringLiteral(BRELOG_FIXTURES_DIR "/export/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}
