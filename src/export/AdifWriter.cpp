#include "export/AdifWriter.h"

#include "export/AsciiText.h"
#include "export/StoredDateTime.h"

namespace {

const QByteArray kLineEnd("\r\n");

struct BandFrequency
{
    const char *gigahertz; // what a GHz label reduces to; null for the MHz bands
    const char *frequency;
    const char *name;
};

const BandFrequency kBands[] = {
    {nullptr, "50.0000", "6M"},           {nullptr, "70.0000", "4M"},
    {nullptr, "144.0000", "2M"},          {nullptr, "432.0000", "70CM"},
    {"1,3", "1300.0000", "23CM"},         {"2,3", "2300.0000", "13CM"},
    {"3,4", "3400.0000", "9CM"},          {"5,7", "5700.0000", "6CM"},
    {"10", "10000.0000", "3CM"},          {"24", "24000.0000", "1.25CM"},
    {"47", "47000.0000", "6MM"},          {"76", "76000.0000", "4MM"},
    {"120", "120000.0000", "2.5MM"},      {"144", "144000.0000", "2MM"},
    {"248", "248000.0000", "1MM"},
};

}

namespace AdifWriter {

namespace {

// Appends "<TAG:n>value" to `out`; plain ASCII values, by far the most common,
// are copied without a temporary.
void appendField(QByteArray &out, const char *tag, QStringView value)
{
    value = value.trimmed();
    bool ascii = true;
    for (const QChar c : value)
        ascii = ascii && c.unicode() < 0x80;
    out += '<';
    out += tag;
    out += ':';
    if (ascii) {
        out += QByteArray::number(qsizetype(value.size()));
        out += '>';
        for (const QChar c : value)
            out += char(c.unicode());
        return;
    }
    const QByteArray v = AsciiText::fold(value.toString()).trimmed();
    out += QByteArray::number(v.size());
    out += '>';
    out += v;
}

}

QByteArray field(const char *tag, const QString &value)
{
    QByteArray out;
    appendField(out, tag, value);
    return out;
}

QString frequency(const QString &bandColumn)
{
    QString f = bandColumn;
    f.replace(QLatin1String(" MHz"), QLatin1String(".0000"));
    f.replace(QLatin1String(" GHz"), QString());
    f = f.trimmed();
    for (const BandFrequency &b : kBands) {
        if (b.gigahertz && f == QLatin1String(b.gigahertz))
            return QLatin1String(b.frequency);
    }
    return f;
}

QString bandName(const QString &frequency)
{
    for (const BandFrequency &b : kBands) {
        if (frequency == QLatin1String(b.frequency))
            return QLatin1String(b.name);
    }
    return {};
}

QByteArray compose(const QVector<QsoRow> &rows, const ContestSettings &s)
{
    QByteArray out;
    out.reserve(64 + rows.size() * 260);
    auto line = [&out](const QByteArray &text) {
        out += text;
        out += kLineEnd;
    };
    line("<PROGRAMID:15>BRELOG BY KOVAR");
    line("<ADIF_VER:4>1.00");
    line("<EOH>");

    const QByteArray contest = field("CONTEST_ID", s.nazivNatjecanja);
    const QByteArray operatorLine = field("OPERATOR", s.pozivniZnak) + "<EOR>";
    auto fieldLine = [&out](const char *tag, QStringView value) {
        appendField(out, tag, value);
        out += kLineEnd;
    };
    // A QSO whose band column names no known band keeps the band name of the QSO before it.
    QString band;
    StoredDateTime dates;
    QString lastBandColumn, freq, name;
    for (const QsoRow &r : rows) {
        if (r.dodatak1 != lastBandColumn || lastBandColumn.isNull()) {
            lastBandColumn = r.dodatak1;
            freq = frequency(r.dodatak1);
            name = bandName(freq);
        }
        if (!name.isEmpty())
            band = name;

        const QDate date = dates.date(r.date);
        const QTime time = StoredDateTime::time(r.time);
        bool numeric = false;
        const qlonglong serial = r.nrs.trimmed().toLongLong(&numeric);

        fieldLine("CALL", r.call);
        fieldLine("QSO_DATE", date.isValid() ? QString::asprintf("%04d%02d%02d", date.year(), date.month(), date.day())
                                             : QString());
        fieldLine("TIME_ON", time.isValid() ? QString::asprintf("%02d%02d", time.hour(), time.minute()) : QString());
        fieldLine("FREQ", freq);
        fieldLine("MODE", r.mode);
        fieldLine("RST_SENT", r.rsts);
        fieldLine("STX", numeric ? QString::number(serial) : r.nrs);
        fieldLine("RST_RCVD", r.rstr);
        fieldLine("SRX", r.nrr);
        fieldLine("GRIDSQUARE", r.loc);
        fieldLine("QRB", r.qrb);
        line(contest);
        fieldLine("BAND", band);
        line(operatorLine);
        line(QByteArray());
    }
    return out;
}

}
