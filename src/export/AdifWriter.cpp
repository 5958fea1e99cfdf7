#include "export/AdifWriter.h"

#include "export/AsciiText.h"
#include "platform/UtcClock.h"

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

QByteArray field(const char *tag, const QString &value)
{
    const QByteArray v = AsciiText::fold(value.trimmed()).trimmed();
    return '<' + QByteArray(tag) + ':' + QByteArray::number(v.size()) + '>' + v;
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
    // A QSO whose band column names no known band keeps the band name of the QSO before it.
    QString band;
    for (const QsoRow &r : rows) {
        const QString freq = frequency(r.dodatak1);
        const QString name = bandName(freq);
        if (!name.isEmpty())
            band = name;

        const QDate date = LogFormats::parseDate(r.date);
        const QTime time = LogFormats::parseTime(r.time);
        bool numeric = false;
        const qlonglong serial = r.nrs.trimmed().toLongLong(&numeric);

        line(field("CALL", r.call));
        line(field("QSO_DATE", date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString()));
        line(field("TIME_ON", time.isValid() ? time.toString(QStringLiteral("HHmm")) : QString()));
        line(field("FREQ", freq));
        line(field("MODE", r.mode));
        line(field("RST_SENT", r.rsts));
        line(field("STX", numeric ? QString::number(serial) : r.nrs));
        line(field("RST_RCVD", r.rstr));
        line(field("SRX", r.nrr));
        line(field("GRIDSQUARE", r.loc));
        line(field("QRB", r.qrb));
        line(contest);
        line(field("BAND", band));
        line(operatorLine);
        line(QByteArray());
    }
    return out;
}

}
