#include "callinfo/KnownStationIndex.h"

#include <algorithm>
#include <cstring>

namespace {

// UTF-16 code units reordered so that comparing them gives code point order, which
// is the byte order of UTF-8 that SQLite's BINARY collation sorts by.
inline char16_t codePointOrder(char16_t u)
{
    if (u >= 0xD800)
        return u >= 0xE000 ? char16_t(u - 0x800) : char16_t(u + 0x2000);
    return u;
}

bool binaryLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    for (qsizetype i = 0; i < n; ++i)
        if (pa[i] != pb[i])
            return codePointOrder(pa[i]) < codePointOrder(pb[i]);
    return a.size() < b.size();
}

// What LIKE compares: ASCII letters without case, everything else as it is.
QByteArray folded(const QString &text)
{
    QByteArray b = text.toUtf8();
    for (char &c : b)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return b;
}

bool keyLess(const QString &pa, qint64 ia, const QString &pb, qint64 ib)
{
    if (pa != pb)
        return binaryLess(pa, pb);
    return ia < ib;
}

QByteArray searchLine(const QString &pozivni)
{
    QByteArray line = folded(pozivni);
    line.replace('\n', '\0'); // keeps one line per station
    line += '\n';
    return line;
}

}

void KnownStationIndex::reset(QVector<Station> stations)
{
    m_stations = std::move(stations);
    std::sort(m_stations.begin(), m_stations.end(),
              [](const Station &a, const Station &b) { return keyLess(a.pozivni, a.id, b.pozivni, b.id); });
    m_searchText.clear();
    m_lineStart.clear();
    m_callOfId.clear();
    m_firstOfCall.clear();
    clearSearches();
    m_lineStart.reserve(m_stations.size() + 1);
    m_callOfId.reserve(m_stations.size());
    m_firstOfCall.reserve(m_stations.size());
    for (const Station &s : std::as_const(m_stations)) {
        m_lineStart.append(int(m_searchText.size()));
        m_searchText += searchLine(s.pozivni);
        m_callOfId.insert(s.id, s.pozivni);
        noteCall(s);
    }
    m_lineStart.append(int(m_searchText.size()));
}

void KnownStationIndex::noteCall(const Station &s)
{
    const QString call = s.pozivni.trimmed();
    const auto it = m_firstOfCall.constFind(call);
    if (it == m_firstOfCall.cend() || keyLess(s.pozivni, s.id, it->pozivni, it->id))
        m_firstOfCall.insert(call, {s.pozivni, s.id});
}

void KnownStationIndex::clearSearches()
{
    m_lastNeedle.clear();
    m_lastRows.clear();
    m_shortNeedleHits.clear();
}

void KnownStationIndex::insert(const Station &station)
{
    // Into its place, shifting the line starts; nothing is sorted or indexed again.
    const int pos = positionOf({station.pozivni, station.id});
    m_stations.insert(pos, station);
    const QByteArray line = searchLine(station.pozivni);
    const int offset = m_lineStart.at(pos);
    m_searchText.insert(offset, line);
    m_lineStart.insert(pos, offset);
    for (int i = pos + 1; i < m_lineStart.size(); ++i)
        m_lineStart[i] += int(line.size());
    m_callOfId.insert(station.id, station.pozivni);
    noteCall(station);
    clearSearches();
}

bool KnownStationIndex::replace(qint64 id, const QString &pozivni, const QString &lokator)
{
    const int pos = positionOfId(id);
    if (pos < 0)
        return false;
    QVector<Station> stations = std::move(m_stations);
    stations[pos].pozivni = pozivni;
    stations[pos].lokator = lokator;
    reset(std::move(stations));
    return true;
}

int KnownStationIndex::positionOf(const Key &key) const
{
    const auto it = std::lower_bound(m_stations.cbegin(), m_stations.cend(), key, [](const Station &s, const Key &k) {
        return keyLess(s.pozivni, s.id, k.pozivni, k.id);
    });
    return int(it - m_stations.cbegin());
}

int KnownStationIndex::positionOfId(qint64 id) const
{
    const auto it = m_callOfId.constFind(id);
    if (it == m_callOfId.cend())
        return -1;
    const int pos = positionOf({*it, id});
    return pos < m_stations.size() && m_stations.at(pos).id == id ? pos : -1;
}

int KnownStationIndex::positionOfCall(const QString &call) const
{
    const auto it = m_firstOfCall.constFind(call.trimmed());
    if (it == m_firstOfCall.cend())
        return -1;
    return positionOf(*it);
}

KnownStationIndex::Result KnownStationIndex::find(const QString &text) const
{
    Result r;
    if (text.isEmpty()) {
        r.all = true;
        return r;
    }
    const QByteArray needle = folded(text);
    if (needle.contains('\n') || needle.contains('\0')) {
        for (int i = 0; i < m_stations.size(); ++i)
            if (folded(m_stations.at(i).pozivni).contains(needle))
                r.rows.append(i);
        return r;
    }
    // The first one or two characters of a call match a large part of the list; their
    // hits are kept until the stations change, since calls start with few prefixes.
    if (needle.size() <= 2) {
        if (const auto cached = m_shortNeedleHits.constFind(needle); cached != m_shortNeedleHits.cend()) {
            r.rows = *cached;
            m_lastNeedle = needle;
            m_lastRows = r.rows;
            return r;
        }
    }
    const char *begin = m_searchText.constData();
    // Typing mostly adds a character: every station that contains the longer text
    // contains the shorter one too, so only the previous hits need a look.
    if (!m_lastNeedle.isEmpty() && needle.contains(m_lastNeedle)) {
        r.rows.reserve(m_lastRows.size());
        for (int line : std::as_const(m_lastRows)) {
            const int from = m_lineStart.at(line);
            const int length = m_lineStart.at(line + 1) - 1 - from;
            if (memmem(begin + from, size_t(length), needle.constData(), size_t(needle.size())))
                r.rows.append(line);
        }
    } else {
        const int total = int(m_searchText.size());
        int line = 0;
        int from = 0;
        while (from < total) {
            const void *hit = memmem(begin + from, size_t(total - from), needle.constData(), size_t(needle.size()));
            if (!hit)
                break;
            const int offset = int(static_cast<const char *>(hit) - begin);
            // The next line start above the hit: a galloping step, then a binary search.
            int step = 1;
            while (line + step < m_lineStart.size() - 1 && m_lineStart.at(line + step) <= offset)
                step *= 2;
            const auto first = m_lineStart.cbegin() + line + 1;
            const auto last = m_lineStart.cbegin() + std::min<qsizetype>(line + step + 1, m_lineStart.size());
            line = int(std::upper_bound(first, last, offset) - m_lineStart.cbegin()) - 1;
            r.rows.append(line);
            from = m_lineStart.at(line + 1); // one row per station
        }
    }
    m_lastNeedle = needle;
    m_lastRows = r.rows;
    if (needle.size() <= 2)
        m_shortNeedleHits.insert(needle, r.rows);
    return r;
}

