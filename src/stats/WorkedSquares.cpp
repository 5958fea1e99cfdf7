#include "stats/WorkedSquares.h"

#include <QSet>

namespace WorkedSquares {

namespace {

const char Fields[] = "IQJQKQLQIPJPKPLPIOJOKOLOINJNKNLNIMJMKMLMILJLKLLL";

}

QString fieldOfRow(int row)
{
    if (row < 0 || row >= Rows)
        return {};
    return QString::fromLatin1(Fields + 2 * row, 2);
}

QString cellText(int row, int column)
{
    if (column < 0 || column >= Columns)
        return {};
    return fieldOfRow(row) + QStringLiteral("%1").arg(column, 2, 10, QLatin1Char('0'));
}

Cell cellOf(const QString &stored)
{
    if (stored.size() < 4)
        return {};
    const QChar d1 = stored.at(2), d2 = stored.at(3);
    if (d1 < QLatin1Char('0') || d1 > QLatin1Char('9') || d2 < QLatin1Char('0') || d2 > QLatin1Char('9'))
        return {};
    const QString field = stored.left(2);
    for (int r = 0; r < Rows; ++r) {
        if (QLatin1String(Fields + 2 * r, 2) == field)
            return {r, (d1.unicode() - '0') * 10 + (d2.unicode() - '0')};
    }
    return {};
}

Result count(const QStringList &locators)
{
    Result result;
    QSet<int> seen;
    for (const QString &loc : locators) {
        const Cell c = cellOf(loc);
        if (c.isValid() && !seen.contains(c.row * Columns + c.column)) {
            seen.insert(c.row * Columns + c.column);
            result.worked.append(c);
        }
    }
    return result;
}

}
