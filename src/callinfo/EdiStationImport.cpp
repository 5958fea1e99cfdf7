#include "callinfo/EdiStationImport.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>
#include <utility>

namespace EdiStationImport {

namespace {

bool validCall(const QString &call)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+)*$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression letter(QStringLiteral("[A-Z]"));
    return call.size() >= 3 && call.size() <= MaxCallLength && re.match(call).hasMatch()
           && digit.match(call).hasMatch() && letter.match(call).hasMatch();
}

bool validLocator(const QString &loc)
{
    static const QRegularExpression re(QStringLiteral("^[A-R]{2}[0-9]{2}[A-X]{2}$"));
    return re.match(loc).hasMatch();
}

// Reads a log line by line. Within one log the later record of a call wins; the log
// keeps one entry per call in the order calls first appear, so its size follows the
// number of stations, not the size of the file.
class LogParser
{
public:
    void line(const QString &raw)
    {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            return;
        if (line.startsWith(QLatin1Char('['))) {
            const QString section = line.mid(1).section(QLatin1Char(';'), 0, 0).section(QLatin1Char(']'), 0, 0)
                                        .trimmed().toLower();
            m_inRecords = section == QLatin1String("qsorecords");
            m_inHeader = section == QLatin1String("reg1test");
            if (m_inRecords)
                m_log.read = true;
            return;
        }
        if (m_inHeader) {
            if (line.section(QLatin1Char('='), 0, 0).trimmed().compare(QLatin1String("TDate"), Qt::CaseInsensitive)
                == 0) {
                const QString first = line.section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed();
                m_log.contestDate = QDate::fromString(first, QStringLiteral("yyyyMMdd"));
            }
            return;
        }
        if (!m_inRecords)
            return;
        const QStringList f = line.split(QLatin1Char(';'));
        const QString call = f.size() >= 10 ? f.at(2).trimmed().toUpper() : QString();
        const QString loc = f.size() >= 10 ? f.at(9).trimmed().toUpper() : QString();
        if (!validCall(call) || !validLocator(loc)) {
            ++m_log.malformed;
            return;
        }
        const auto it = m_index.constFind(call);
        if (it == m_index.cend()) {
            m_index.insert(call, m_log.stations.size());
            m_log.stations.append({call, loc});
        } else {
            m_log.stations[*it].locator = loc;
        }
    }

    // A line too long to be a record (the rest of it is not read).
    void overlongLine()
    {
        if (m_inRecords)
            ++m_log.malformed;
    }

    LogFile take() { return std::move(m_log); }

private:
    LogFile m_log;
    QHash<QString, int> m_index;
    bool m_inRecords = false;
    bool m_inHeader = false;
};

// The text encoding of a log from its first bytes: UTF-16 and UTF-8 by their
// byte-order mark (which is dropped); anything else is read as Latin-1, so that no
// byte of an older 8-bit log is lost (the fields read here are ASCII).
QStringDecoder decoderFor(const QByteArray &start, qsizetype *markSize)
{
    *markSize = 0;
    if (start.startsWith("\xEF\xBB\xBF")) {
        *markSize = 3;
        return QStringDecoder(QStringDecoder::Utf8);
    }
    if (start.startsWith("\xFF\xFE")) {
        *markSize = 2;
        return QStringDecoder(QStringDecoder::Utf16LE);
    }
    if (start.startsWith("\xFE\xFF")) {
        *markSize = 2;
        return QStringDecoder(QStringDecoder::Utf16BE);
    }
    return QStringDecoder(QStringDecoder::Latin1);
}

// Feeds `parser` the lines of `device` (ended by LF, CR LF or CR), reading a block at
// a time: memory stays small whatever the size of the file or of one line.
void readLines(QIODevice &device, LogParser &parser)
{
    constexpr qsizetype BlockSize = 64 * 1024;
    QByteArray block = device.read(BlockSize);
    qsizetype markSize = 0;
    QStringDecoder decoder = decoderFor(block, &markSize);
    block.remove(0, markSize);
    QString pending;
    bool skipping = false; // in the rest of a line that was too long
    auto emitLine = [&](QStringView line) {
        if (!skipping)
            parser.line(line.toString());
        skipping = false;
    };
    for (bool atEnd = false; !atEnd;) {
        if (block.isEmpty())
            atEnd = true;
        else
            pending += decoder.decode(block);
        qsizetype from = 0;
        for (qsizetype i = 0; i < pending.size(); ++i) {
            const QChar c = pending.at(i);
            if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
                continue;
            if (c == QLatin1Char('\r') && i + 1 == pending.size() && !atEnd)
                break; // its LF may come with the next block
            emitLine(QStringView(pending).mid(from, i - from));
            if (c == QLatin1Char('\r') && i + 1 < pending.size() && pending.at(i + 1) == QLatin1Char('\n'))
                ++i;
            from = i + 1;
        }
        pending.remove(0, from);
        if (pending.size() > MaxLineLength) {
            if (!skipping)
                parser.overlongLine();
            skipping = true;
            pending.clear();
        }
        block = device.read(BlockSize);
    }
    if (!pending.isEmpty())
        emitLine(pending);
}

}

LogFile parseLog(const QByteArray &content)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    LogParser parser;
    readLines(buffer, parser);
    return parser.take();
}

LogFile readLog(const QString &path)
{
    QFile f(path);
    LogFile log;
    if (f.open(QIODevice::ReadOnly)) {
        LogParser parser;
        readLines(f, parser);
        log = parser.take();
    }
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
