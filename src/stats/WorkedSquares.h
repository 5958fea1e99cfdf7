#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// The grid of the Maidenhead squares of the 24 fields IQ .. LL (the area of the QSO
// map): one row per field, from IQ at the top to LL at the bottom and from I to L
// within a latitude band, one column per square number 00 .. 99.
namespace WorkedSquares {

inline constexpr int Rows = 24;
inline constexpr int Columns = 100;

QString fieldOfRow(int row);
// "JN75" for row 13, column 75.
QString cellText(int row, int column);

struct Cell
{
    int row = -1;
    int column = -1;
    bool isValid() const { return row >= 0; }
    bool operator==(const Cell &) const = default;
};

// The cell whose text equals the first four characters of a stored locator, compared
// exactly (upper-case letters only); invalid when no cell has that text.
Cell cellOf(const QString &storedLocator);

struct Result
{
    QVector<Cell> worked; // each worked square once, in the order first logged
    int count() const { return int(worked.size()); }
};
Result count(const QStringList &storedLocators);

}
