#include "callinfo/EdiStationImport.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace EdiStationImport {

namespace {

QString decode(const QByteArray &content)
{
    // The fields read here are ASCII; a UTF-8 mark is dropped, the rest read as Latin-1
    // so that no byte of an older 8-bit log is lost.
    if (content.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(content.mid(3));
    return QString::fromLatin1(content);
}

bool validCall(const QString &call)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+)*$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression letter(QStringLiteral("[A-Z]"));
    return call.size() >= 3 && re.match(call).hasMatch() && digit.match(call).hasMatch()
           && letter.match(call).hasMatch();
}

bool validLocator(const QString &loc)
{
    static const QRegularExpression re(QStringLiteral("^[A-R]{2}[0-9]{2}[A-X]{2}$"));
    return re.match(loc).hasMatch();
}

}

LogFile parseLog(const QByteArray &content)
{
    LogFile log;
    QString text = decode(content);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    bool inRecords = false;
    bool inHeader = false;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const QString section = line.mid(1).section(QLatin1Char(';'), 0, 0).section(QLatin1Char(']'), 0, 0)
                                        .trimmed().toLower();
            inRecords = section == QLatin1String("qsorecords");
            inHeader = section == QLatin1String("reg1test");
            if (inRecords)
                log.read = true;
            continue;
        }
        if (inHeader) {
            if (line.section(QLatin1Char('='), 0, 0).trimmed().compare(QLatin1String("TDate"), Qt::CaseInsensitive)
                == 0) {
                const QString first = line.section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed();
                log.contestDate = QDate::fromString(first, QStringLiteral("yyyyMMdd"));
            }
            continue;
        }
        if (!inRecords)
            continue;
        const QStringList f = line.split(QLatin1Char(';'));
        const QString call = f.size() >= 10 ? f.at(2).trimmed().toUpper() : QString();
        const QString loc = f.size() >= 10 ? f.at(9).trimmed().toUpper() : QString();
        if (!validCall(call) || !validLocator(loc)) {
            ++log.malformed;
            continue;
        }
        log.stations.append({call, loc});
    }
    return log;
}

LogFile readLog(const QString &path)
{
    QFile f(path);
    LogFile log;
    if (f.open(QIODevice::ReadOnly))
        log = parseLog(f.readAll());
    log.path = path;
    return log;
}

QVector<KnownStations::ImportEntry> mergedStations(const QVector<LogFile> &logs)
{
    QVector<int> order(logs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return logs.at(a).contestDate < logs.at(b).contestDate; });
    QVector<KnownStations::ImportEntry> out;
    QHash<QString, int> indexOf;
    for (int i : order)
        for (const KnownStations::ImportEntry &s : logs.at(i).stations) {
            const auto it = indexOf.constFind(s.call);
            if (it == indexOf.cend()) {
                indexOf.insert(s.call, out.size());
                out.append(s);
            } else {
                out[*it].locator = s.locator;
            }
        }
    return out;
}

Summary importLogs(const QStringList &paths, KnownStations &store)
{
    Summary s;
    s.files = paths.size();
    QVector<LogFile> logs;
    for (const QString &p : paths) {
        LogFile log = readLog(p);
        if (!log.read) {
            s.unreadFiles << p;
            continue;
        }
        ++s.filesRead;
        s.malformed += log.malformed;
        logs.append(std::move(log));
    }
    if (logs.isEmpty())
        return s;
    KnownStations::ImportCounts counts;
    if (!store.importStations(mergedStations(logs), counts, &s.error))
        return s;
    s.added = counts.added;
    s.updated = counts.updated;
    s.unchanged = counts.unchanged;
    return s;
}

QStringList summaryLines(const Summary &s)
{
    QStringList lines;
    lines << QStringLiteral("Pročitano datoteka: %1 od %2").arg(s.filesRead).arg(s.files);
    if (!s.error.isEmpty()) {
        lines << QStringLiteral("Poznate stanice nisu spremljene: %1").arg(s.error);
        return lines;
    }
    lines << QStringLiteral("Dodano stanica: %1").arg(s.added)
          << QStringLiteral("Promijenjen lokator: %1").arg(s.updated)
          << QStringLiteral("Već poznato: %1").arg(s.unchanged)
          << QStringLiteral("Preskočeno neispravnih redaka: %1").arg(s.malformed);
    return lines;
}

}
