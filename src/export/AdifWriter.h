#pragma once
#include "contest/ContestSettings.h"
#include "contestlog/QsoRow.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The log of a band as an ADIF (ADI) file: plain ASCII, CR LF line ends, each
// field "<TAG:length>value" with the length in bytes of the value as written.
namespace AdifWriter {

// `rows` in stored order, as stored; the contest name and call sign come from
// `settings`. Every QSO's frequency and band name follow from its own band column.
QByteArray compose(const QVector<QsoRow> &rows, const ContestSettings &settings);

// "<TAG:n>value" for a value, folded to ASCII and trimmed.
QByteArray field(const char *tag, const QString &value);

// Frequency in MHz of a stored band label ("144 MHz " -> "144.0000", "1,3 GHz" ->
// "1300.0000"); a text that is no known band comes back reduced but not mapped.
QString frequency(const QString &bandColumn);
// ADIF band name of a frequency from frequency(); empty when it is not a band's.
QString bandName(const QString &frequency);

}
