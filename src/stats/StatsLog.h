#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <optional>

// The statements of the statistics window. Each reads only the columns its view
// needs, for the band whose text is contained in `Dodatak1`, in the order the QSOs
// were logged.
namespace StatsLog {

struct DistanceRow
{
    QString call; // trimmed
    int qrb = 0;
};

// Smallest QRB of the band; nothing when the band has no QSO or the read failed.
std::optional<qint64> shortestQrb(QSqlDatabase db, const QString &band, QString *error = nullptr);
bool distances(QSqlDatabase db, const QString &band, QVector<DistanceRow> &rows, QString *error = nullptr);
// Bearings in whole degrees; rows without a bearing are left out.
bool bearings(QSqlDatabase db, const QString &band, QVector<float> &bearings, QString *error = nullptr);
// Stored latitude and longitude texts, as written (a decimal comma is possible).
struct PositionText
{
    QString latitude;
    QString longitude;
};
bool positions(QSqlDatabase db, const QString &band, QVector<PositionText> &rows, QString *error = nullptr);
// The stored DXCCd texts (the country marker of each QSO), untrimmed.
bool countryMarkers(QSqlDatabase db, const QString &band, QStringList &markers, QString *error = nullptr);
// The stored locators, untrimmed.
bool locators(QSqlDatabase db, const QString &band, QStringList &locators, QString *error = nullptr);

}
