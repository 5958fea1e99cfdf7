#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

// The figures in the left column of the statistics window, taken once when the
// window opens: count, longest QSO and points as the main window shows them, the
// shortest QSO and the DXCC countries read from the log.
namespace StatsFigures {

// What the main window displays for the band (its QSO count, ODX and points fields).
struct ShownTotals
{
    QString qsoCount;
    QString odx;
    QString points;
};

struct Figures
{
    QString qsoCount; // Text1
    QString longest;  // Text3
    QString shortest; // Text4
    QString points;   // Text5
    QString error;    // a read that failed, for the caller to report
};

// "0" for a band without QSOs; otherwise the kilometres followed by " km".
QString shortestText(const std::optional<qint64> &shortestQrb);

// The number of countries as text, or empty when no marker names a country: only the
// first QSO of each country on a band carries its name, later ones carry "-".
QString countryCountText(const QStringList &markers);

// Count, longest, shortest and points of the band.
Figures read(QSqlDatabase db, const QString &band, const ShownTotals &shown);
// "DXCC zemlje:" of the band; empty when no QSO names a country or the read failed.
QString countries(QSqlDatabase db, const QString &band, QString *error = nullptr);

}
