#include "stats/StatsFigures.h"

#include "callinfo/WorkedDxcc.h"
#include "stats/StatsLog.h"

namespace StatsFigures {

QString shortestText(const std::optional<qint64> &shortestQrb)
{
    if (!shortestQrb)
        return QStringLiteral("0");
    return QString::number(*shortestQrb) + QStringLiteral(" km");
}

QString countryCountText(const QStringList &markers)
{
    QVector<QsoRow> rows(markers.size());
    for (int i = 0; i < markers.size(); ++i)
        rows[i].dxccd = markers.at(i);
    const std::optional<int> n = WorkedDxcc::countWorkedDxcc(rows);
    return n ? QString::number(*n) : QString();
}

Figures read(QSqlDatabase db, const QString &band, const ShownTotals &shown)
{
    Figures f;
    f.qsoCount = shown.qsoCount;
    f.longest = shown.odx + QStringLiteral(" km");
    f.points = shown.points;
    QString error;
    f.shortest = shortestText(StatsLog::shortestQrb(db, band, &error));
    f.error = error;
    return f;
}

QString countries(QSqlDatabase db, const QString &band, QString *error)
{
    QStringList markers;
    if (!StatsLog::countryMarkers(db, band, markers, error))
        return {};
    return countryCountText(markers);
}

}
