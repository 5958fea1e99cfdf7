#include "contest/ContestSettings.h"

#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"

#include "platform/SqliteDatabase.h"
#include "platform/UtcClock.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

QString ContestSettings::firstBand() const
{
    return bandList.isEmpty() ? QString() : bandList.first().trimmed();
}

void clearForNewContest(ContestSettings &s)
{
    for (QString *f : {&s.nazivNatjecanja, &s.pozivniZnak, &s.ime, &s.lokator, &s.adresa, &s.klub,
                       &s.operatori, &s.ime1, &s.pozivniZnak1, &s.adresa1, &s.adresa2, &s.postanskiBroj1,
                       &s.mjesto1, &s.drzava1, &s.telefBroj1, &s.homeBbs1})
        f->clear();
    for (int k = 0; k < int(s.bands.size()); ++k) {
        BandSettings &b = s.bands[k];
        for (QString *f : {&b.kategorija, &b.band, &b.snaga, &b.rx, &b.tx, &b.antena, &b.visinaAntene,
                           &b.nadmorska, &b.komentar})
            f->clear();
        b.transOsc = QStringLiteral("0");
    }
    s.bands[1].band = BandLabels::label(1);
}

QString missingRequiredField(const ContestSettings &s, int k, bool forUpdate)
{
    if (k < 1 || k > BandLabels::Count || s.bands.at(k).snaga.trimmed().isEmpty())
        return QStringLiteral("Snaga");
    if (forUpdate)
        return {};
    if (s.nazivNatjecanja.trimmed().isEmpty())
        return QStringLiteral("NazivNatjecanja");
    if (s.pozivniZnak.trimmed().isEmpty())
        return QStringLiteral("PozivniZnak");
    if (s.lokator.trimmed().isEmpty())
        return QStringLiteral("Lokator");
    return {};
}

namespace ContestSettingsTable {

const QStringList &columns()
{
    static const QStringList cols = {
        QStringLiteral("ID"), QStringLiteral("NazivNatjecanja"), QStringLiteral("TrajeOd"),
        QStringLiteral("TrajeDo"), QStringLiteral("Kategorija"), QStringLiteral("Band"),
        QStringLiteral("PozivniZnak"), QStringLiteral("Ime"), QStringLiteral("Lokator"),
        QStringLiteral("Adresa"), QStringLiteral("Klub"), QStringLiteral("Operatori"),
        QStringLiteral("Ime1"), QStringLiteral("PozivniZnak1"), QStringLiteral("Adresa1"),
        QStringLiteral("Adresa2"), QStringLiteral("PostanskiBroj1"), QStringLiteral("Mjesto1"),
        QStringLiteral("Drzava1"), QStringLiteral("TelefBroj1"), QStringLiteral("HomeBBS1"),
        QStringLiteral("Snaga"), QStringLiteral("TransOsc"), QStringLiteral("RX"),
        QStringLiteral("TX"), QStringLiteral("Antena"), QStringLiteral("VisinaAntene"),
        QStringLiteral("Nadmorska"), QStringLiteral("Komentar"), QStringLiteral("Mode"),
        QStringLiteral("Polje1"), QStringLiteral("Polje2"), QStringLiteral("Polje3"),
    };
    return cols;
}

namespace {

QString text(const QSqlQuery &q, const char *column)
{
    return q.value(QString::fromLatin1(column)).toString().trimmed();
}

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

// Column/value pairs written for band k, in the order the dialog stores them.
QList<QPair<QString, QString>> rowValues(const ContestSettings &s, int k)
{
    const BandSettings &b = s.bands.at(k);
    auto v = [](const QString &t) { return t + QLatin1Char(' '); };
    return {
        {QStringLiteral("NazivNatjecanja"), v(s.nazivNatjecanja)},
        {QStringLiteral("TrajeOd"), v(s.trajeOd)},
        {QStringLiteral("TrajeDo"), v(s.trajeDo)},
        {QStringLiteral("Kategorija"), v(b.kategorija)},
        {QStringLiteral("Band"), v(b.band)},
        {QStringLiteral("PozivniZnak"), v(s.pozivniZnak)},
        {QStringLiteral("Ime"), v(s.ime)},
        {QStringLiteral("Adresa"), v(s.adresa)},
        {QStringLiteral("Lokator"), v(s.lokator)},
        {QStringLiteral("Klub"), v(s.klub)},
        {QStringLiteral("Operatori"), v(s.operatori)},
        {QStringLiteral("Ime1"), v(s.ime1)},
        {QStringLiteral("PozivniZnak1"), v(s.pozivniZnak1)},
        {QStringLiteral("Adresa1"), v(s.adresa1)},
        {QStringLiteral("Adresa2"), v(s.adresa2)},
        {QStringLiteral("PostanskiBroj1"), v(s.postanskiBroj1)},
        {QStringLiteral("Mjesto1"), v(s.mjesto1)},
        {QStringLiteral("Drzava1"), v(s.drzava1)},
        {QStringLiteral("TelefBroj1"), v(s.telefBroj1)},
        {QStringLiteral("HomeBBS1"), v(s.homeBbs1)},
        {QStringLiteral("Snaga"), v(b.snaga)},
        {QStringLiteral("TransOsc"), v(b.transOsc)},
        {QStringLiteral("RX"), v(b.rx)},
        {QStringLiteral("TX"), v(b.tx)},
        {QStringLiteral("Antena"), v(b.antena)},
        {QStringLiteral("VisinaAntene"), v(b.visinaAntene)},
        {QStringLiteral("Nadmorska"), v(b.nadmorska)},
        {QStringLiteral("Komentar"), v(b.komentar)},
        {QStringLiteral("Mode"), b.mode},
    };
}

// One statement on `postavke` in a transaction of its own, announced to the other PCs.
bool writeRow(QSqlDatabase db, const QString &statement, const QVariantList &values, QString *error)
{
    if (!db.transaction()) {
        setError(error, db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    // A statement that cannot be prepared gives its own reason, not "Parameter count mismatch".
    if (!q.prepare(statement)) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        db.rollback();
        return false;
    }
    for (const QVariant &value : values)
        q.addBindValue(value);
    if (!q.exec()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        db.rollback();
        return false;
    }
    if (!ContestDatabase::announce(db, ContestDatabase::settingsChanged(), error)) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        setError(error, SqliteDatabase::errorReason(db.lastError()));
        db.rollback();
        return false;
    }
    return true;
}

}

bool load(QSqlDatabase db, ContestSettings &s, QString *error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM postavke ORDER BY ID"))) {
        setError(error, q.lastError().text());
        return false;
    }
    bool first = true;
    int k = 0;
    while (q.next()) {
        if (first) {
            s.bandList.clear();
            first = false;
        }
        const QString storedBand = q.value(QStringLiteral("Band")).toString();
        s.bandList.append(storedBand);
        // A row of an unknown band goes to the unused slot 0 rather than into the
        // panel of the band read before it.
        k = BandLabels::number(storedBand.trimmed());
        s.nazivNatjecanja = text(q, "NazivNatjecanja");
        for (auto [column, field] : {std::pair{"TrajeOd", &s.trajeOd}, std::pair{"TrajeDo", &s.trajeDo}}) {
            const QDate d = LogFormats::parseDate(text(q, column));
            if (d.isValid())
                *field = d.toString(QString::fromLatin1(LogFormats::DateFormat));
        }
        s.pozivniZnak = text(q, "PozivniZnak");
        s.ime = text(q, "Ime");
        s.adresa = text(q, "Adresa");
        s.lokator = text(q, "Lokator");
        s.klub = text(q, "Klub");
        s.operatori = text(q, "Operatori");
        s.ime1 = text(q, "Ime1");
        s.pozivniZnak1 = text(q, "PozivniZnak1");
        s.adresa1 = text(q, "Adresa1");
        s.adresa2 = text(q, "Adresa2");
        s.postanskiBroj1 = text(q, "PostanskiBroj1");
        s.mjesto1 = text(q, "Mjesto1");
        s.drzava1 = text(q, "Drzava1");
        s.telefBroj1 = text(q, "TelefBroj1");
        s.homeBbs1 = text(q, "HomeBBS1");
        BandSettings &b = s.bands[k];
        b.kategorija = text(q, "Kategorija");
        b.band = storedBand.trimmed();
        b.snaga = text(q, "Snaga");
        b.transOsc = text(q, "TransOsc");
        b.rx = text(q, "RX");
        b.tx = text(q, "TX");
        b.antena = text(q, "Antena");
        b.visinaAntene = text(q, "VisinaAntene");
        b.nadmorska = text(q, "Nadmorska");
        b.komentar = text(q, "Komentar");
        b.mode = text(q, "Mode");
    }
    if (!first)
        s.loadedFromTable = true;
    return true;
}

bool insertBandRow(QSqlDatabase db, const ContestSettings &s, int k, QString *error)
{
    if (k < 1 || k > BandLabels::Count) {
        setError(error, QStringLiteral("no band selected"));
        return false;
    }
    QStringList names, marks;
    QVariantList values;
    for (const auto &[name, value] : rowValues(s, k)) {
        names << name;
        marks << QStringLiteral("?");
        values << value;
    }
    return writeRow(db, QStringLiteral("INSERT INTO postavke (%1) VALUES (%2)").arg(names.join(u','), marks.join(u',')),
                    values, error);
}

bool updateBandRow(QSqlDatabase db, const ContestSettings &s, int k, bool *found, QString *error)
{
    if (found)
        *found = false;
    if (k < 1 || k > BandLabels::Count)
        return true;
    QSqlQuery find(db);
    find.setForwardOnly(true);
    if (!find.exec(QStringLiteral("SELECT ID, Band FROM postavke ORDER BY ID"))) {
        setError(error, find.lastError().text());
        return false;
    }
    QVariant id;
    const QString label = s.bands.at(k).band.trimmed();
    while (find.next()) {
        if (find.value(1).toString().trimmed() == label) {
            id = find.value(0);
            break;
        }
    }
    find.finish();
    if (!id.isValid())
        return true;
    QStringList sets;
    QVariantList values;
    for (const auto &[name, value] : rowValues(s, k)) {
        sets << name + QStringLiteral("=?");
        values << value;
    }
    values << id;
    if (!writeRow(db, QStringLiteral("UPDATE postavke SET %1 WHERE ID=?").arg(sets.join(u',')), values, error))
        return false;
    if (found)
        *found = true;
    return true;
}

}
