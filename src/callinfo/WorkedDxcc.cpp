#include "callinfo/WorkedDxcc.h"

#include "contestlog/BandLogModel.h"

namespace WorkedDxcc {

Marker newCountryMarker(const BandLogModel *log, const QString &country, const QString &serial)
{
    if (!log || log->isEmpty())
        return {false, country, true}; // the first QSO of a band is new, even without a country
    if (country.isEmpty())
        return {true, {}, false};
    // A row with this country and another serial is a QSO already worked; the QSO
    // being edited carries the serial in the entry and so never counts against itself.
    if (log->firstWorkedCountryRow(country, serial) >= 0)
        return {false, QStringLiteral("-"), false};
    return {false, country, true};
}

std::optional<int> countWorkedDxcc(const QVector<QsoRow> &rows)
{
    int count = 0;
    for (const QsoRow &r : rows)
        if (r.dxccd.trimmed() != QLatin1String("-") && r.dxccd != QLatin1String(" "))
            ++count;
    if (count == 0)
        return std::nullopt;
    return count;
}

}
