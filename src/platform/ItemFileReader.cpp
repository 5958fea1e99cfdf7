#include "platform/ItemFileReader.h"

#include <QFile>

namespace ItemFileReader {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QString withoutTrailingBlanks(QString s)
{
    qsizetype n = s.size();
    while (n > 0 && isBlank(s.at(n - 1)))
        --n;
    s.truncate(n);
    return s;
}

}

QStringList splitItems(const QString &text, Mode mode)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (n > 0 && text.at(0) == QChar(0xFEFF))
        i = 1;

    // True right after a comma: the next item exists even when it is empty.
    bool itemPending = false;
    while (i < n) {
        while (i < n && isBlank(text.at(i)))
            ++i;
        if (i >= n)
            break;
        const QChar c = text.at(i);
        if (isLineEnd(c)) {
            if (itemPending)
                items << QString();
            itemPending = false;
            ++i;
            continue;
        }
        if (mode == Mode::Quoted && c == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                items << text.mid(i + 1);
                break;
            }
            items << text.mid(i + 1, close - i - 1);
            i = close + 1;
            // Whatever follows the closing quote up to the delimiter is not part of the item.
            while (i < n && text.at(i) != QLatin1Char(',') && !isLineEnd(text.at(i)))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && text.at(end) != QLatin1Char(',') && !isLineEnd(text.at(end)))
                ++end;
            const QString item = text.mid(i, end - i);
            items << (end < n && text.at(end) == QLatin1Char(',') ? item : withoutTrailingBlanks(item));
            i = end;
        }
        itemPending = false;
        if (i < n && text.at(i) == QLatin1Char(',')) {
            itemPending = true;
            ++i;
        }
    }
    if (itemPending)
        items << QString();
    return items;
}

std::optional<QStringList> readItems(const QString &path, Mode mode)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitItems(QString::fromUtf8(f.readAll()), mode);
}

}
