#pragma once
#include "contest/ContestSettings.h"
#include "contestlog/QsoRow.h"
#include "export/ExportTotals.h"

class StoredDateTime;

#include <QByteArray>
#include <QString>
#include <QVector>

// The log of one band as a REG1TEST (EDI) file: UTF-8 without byte-order mark,
// every line ending with CR LF, the last one included.
namespace EdiWriter {

// `rows` are the band's rows in stored order (as stored, with trailing blanks);
// `band` is the band text of the main window (trimmed here). With a band text that
// is none of the fifteen labels the per-band header lines are empty lines and the
// remarks are left out.
QByteArray compose(const QVector<QsoRow> &rows, const ContestSettings &settings, const QString &band,
                   const ExportTotals &totals);

// The numeric mode code of a stored mode text ("SSB" 1, "CW" 2, "AM" 5, "FM" 6,
// "RTTY" 7, "SSTV" 8, "ATV" 9, anything else 0).
int modeCode(const QString &mode);

// One QSO record line without its line end.
QByteArray record(const QsoRow &row);
QByteArray record(const QsoRow &row, StoredDateTime &dates);

}
