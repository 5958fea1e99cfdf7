#pragma once
#include "contestlog/QsoRow.h"

#include <QString>
#include <QVector>
#include <optional>

class BandLogModel;

namespace WorkedDxcc {

// The new-country marker of a call whose country is `country` (trimmed), entered
// with serial sent `serial` (as a plain number) on the band whose QSOs are `log`.
struct Marker
{
    bool keep = false; // the marker keeps its previous value and the flag stays hidden
    QString marker;    // the country name when new on the band, "-" when worked
    bool isNew = false; // "Nova DXCC zemlja" is shown
};
Marker newCountryMarker(const BandLogModel *log, const QString &country, const QString &serial);

// The number of countries worked on a band: its QSOs that carry a country name in
// DXCCd (neither "-" nor the single blank of "no country"). Nothing (the display
// keeps its content) when the band has no QSO or no QSO counts.
std::optional<int> countWorkedDxcc(const QVector<QsoRow> &rows);

}
