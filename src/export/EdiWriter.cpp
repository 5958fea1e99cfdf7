#include "export/EdiWriter.h"

#include "contest/BandLabels.h"
#include "export/StoredDateTime.h"
#include "platform/UtcClock.h"

#include <QRegularExpression>

namespace {

const QByteArray kLineEnd("\r\n");

// Characters a reader may take for the end of a line, and the other control characters.
bool breaksLine(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7f || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// A header value: whatever would start a new line becomes a blank, so that a value can
// never add a line (a second "PCall=") to the file.
QString oneLine(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        if (breaksLine(c))
            c = QLatin1Char(' ');
    return t;
}

QByteArray utf8(const QString &text)
{
    return oneLine(text).trimmed().toUtf8();
}

// A field of a ";"-separated line (QSO record, CODXC, SAntH): a ";" inside it becomes
// a blank as well, so the line keeps its number of fields.
QByteArray field(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char(';'), QLatin1Char(' '));
    return utf8(t);
}

// A remark line that a reader would take for a section header ("[QSORecords;1]")
// starts with a blank instead.
QByteArray remarkLine(const QString &text)
{
    const QByteArray line = oneLine(text).toUtf8();
    return line.startsWith('[') ? ' ' + line : line;
}

QByteArray twoDigits(int v)
{
    return QByteArray::number(v).rightJustified(2, '0');
}

QByteArray dateText(const QDate &d, bool fullYear)
{
    if (!d.isValid())
        return {};
    const QByteArray year = QByteArray::number(d.year()).rightJustified(4, '0');
    return (fullYear ? year : year.right(2)) + twoDigits(d.month()) + twoDigits(d.day());
}

QByteArray timeText(const QString &stored)
{
    const QTime t = StoredDateTime::time(stored);
    return t.isValid() ? twoDigits(t.hour()) + twoDigits(t.minute()) : QByteArray();
}

// A serial number with at least three digits; a text that is no number stays as it is.
QByteArray serialText(const QString &stored)
{
    const QString t = stored.trimmed();
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok)
        return field(t);
    QByteArray digits = QByteArray::number(n < 0 ? -n : n).rightJustified(3, '0');
    return n < 0 ? "-" + digits : digits;
}

// The first row in stored order with the band's largest distance, among the rows
// whose band is exactly `band` (the stored label with its trailing blank trimmed).
const QsoRow *longestQso(const QVector<QsoRow> &rows, const QString &band)
{
    const QsoRow *best = nullptr;
    qlonglong bestQrb = 0;
    for (const QsoRow &r : rows) {
        if (r.dodatak1.trimmed() != band)
            continue;
        bool ok = false;
        const qlonglong qrb = r.qrb.trimmed().toLongLong(&ok);
        if (ok && (!best || qrb > bestQrb)) {
            best = &r;
            bestQrb = qrb;
        }
    }
    return best;
}

}

namespace EdiWriter {

int modeCode(const QString &mode)
{
    const QString m = mode.trimmed();
    if (m == QLatin1String("SSB"))
        return 1;
    if (m == QLatin1String("CW"))
        return 2;
    if (m == QLatin1String("AM"))
        return 5;
    if (m == QLatin1String("FM"))
        return 6;
    if (m == QLatin1String("RTTY"))
        return 7;
    if (m == QLatin1String("SSTV"))
        return 8;
    if (m == QLatin1String("ATV"))
        return 9;
    return 0;
}

QByteArray record(const QsoRow &r)
{
    StoredDateTime dates;
    return record(r, dates);
}

QByteArray record(const QsoRow &r, StoredDateTime &dates)
{
    QByteArray line;
    line.reserve(64);
    line += dateText(dates.date(r.date), false);
    line += ';';
    line += timeText(r.time);
    line += ';';
    line += field(r.call);
    line += ';';
    line += QByteArray::number(modeCode(r.mode));
    line += ';';
    line += field(r.rsts);
    line += ';';
    line += serialText(r.nrs);
    line += ';';
    line += field(r.rstr);
    line += ';';
    line += serialText(r.nrr);
    line += ";;";
    line += field(r.loc);
    line += ';';
    line += field(r.qrb);
    line += ";;;;";
    if (r.dupla.trimmed() == QLatin1String("D"))
        line += 'D';
    return line;
}

QByteArray compose(const QVector<QsoRow> &rows, const ContestSettings &s, const QString &bandText,
                   const ExportTotals &totals)
{
    const QString band = bandText.trimmed();
    const int b = BandLabels::number(band);
    const BandSettings *bs = b > 0 ? &s.bands.at(b) : nullptr;

    QByteArray out;
    out.reserve(1200 + rows.size() * 56);
    auto line = [&out](const QByteArray &text) {
        out += text;
        out += kLineEnd;
    };
    // A per-band line is an empty line when the band is not one of the labels.
    auto bandLine = [&](const char *key, const QByteArray &value) {
        line(bs ? QByteArray(key) + value : QByteArray());
    };
    const QByteArray count = utf8(totals.qsoCount);
    const QByteArray points = utf8(totals.points);

    line("[REG1TEST;1]");
    line("TName=" + utf8(s.nazivNatjecanja));
    line("TDate=" + dateText(LogFormats::parseDate(s.trajeOd), true) + ';'
         + dateText(LogFormats::parseDate(s.trajeDo), true));
    line("PCall=" + utf8(s.pozivniZnak));
    line("PWWLo=" + utf8(s.lokator));
    line("PExch=");
    line("PAdr1=" + utf8(s.adresa));
    line("PAdr2=");
    bandLine("PSect=", bs ? utf8(bs->kategorija) : QByteArray());
    bandLine("PBand=", bs ? utf8(bs->band) : QByteArray());
    line("PClub=" + utf8(s.klub));
    line("RName=" + utf8(s.ime1));
    line("RCall=" + utf8(s.pozivniZnak1));
    line("RAdr1=" + utf8(s.adresa1));
    line("RAdr2=" + utf8(s.adresa2));
    line("RPoCo=" + utf8(s.postanskiBroj1));
    line("RCity=" + utf8(s.mjesto1));
    line("RCoun=" + utf8(s.drzava1));
    line("RPhon=" + utf8(s.telefBroj1));
    line("RHBBS=" + utf8(s.homeBbs1));
    line("MOpe1=" + utf8(s.operatori));
    line("MOpe2=");
    bandLine("STXEq=", bs ? utf8(bs->tx) : QByteArray());
    bandLine("SPowe=", bs ? utf8(bs->snaga) : QByteArray());
    bandLine("SRXEq=", bs ? utf8(bs->rx) : QByteArray());
    bandLine("SAnte=", bs ? utf8(bs->antena) : QByteArray());
    bandLine("SAntH=", bs ? field(bs->visinaAntene) + ';' + field(bs->nadmorska) : QByteArray());
    line("CQSOs=" + count + ";1");
    line("CQSOP=" + points);
    line("CWWLs=1;0;1");
    line("CWWLB=");
    line("CExcs=;;");
    line("CExcB=");
    line("CDXCs=;;");
    line("CDXCB=");
    line("CToSc=" + points);
    if (const QsoRow *odx = longestQso(rows, band))
        line("CODXC=" + field(odx->call) + ';' + field(odx->loc) + ';' + field(odx->qrb));
    line("[Remarks]");
    if (bs) {
        const QString remarks = bs->komentar.trimmed();
        if (!remarks.isEmpty()) {
            static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
            for (const QString &l : remarks.split(lineBreak))
                line(remarkLine(l));
        }
    }
    line("[QSORecords;" + count + ']');
    StoredDateTime dates;
    for (const QsoRow &r : rows)
        line(record(r, dates));
    line("[END]");
    return out;
}

}
