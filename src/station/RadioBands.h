#pragma once
#include <QList>
#include <QString>

// Which band of the log a radio frequency belongs to, and which log mode a Hamlib
// mode stands for.
namespace RadioBands {

// The frequency range of band number 1..15 (the band selector's labels), in Hz,
// both ends included. {0, 0} for any other number.
struct Segment
{
    qint64 lowHz = 0;
    qint64 highHz = 0;
};
Segment segment(int band);

// A band of the contest with its transverter oscillator in kHz as the contest data
// holds it ("0" or empty: the radio works on the band itself).
struct StoredBand
{
    QString label;
    QString transOscKhz;
};

// The transverter oscillator in Hz; 0 for "0", an empty or an unreadable text.
qint64 oscillatorHz(const QString &transOscKhz);

// The band the radio's frequency falls into: a stored band whose segment holds the
// radio frequency plus that band's transverter oscillator. Where several match (two
// transverters on one IF), `shown` wins when it is one of them, else the first in
// band order. Empty when none matches.
QString bandFor(qint64 radioHz, const QList<StoredBand> &stored, const QString &shown);

// The log's mode for a Hamlib mode: CW/CWR "CW", USB/LSB "SSB", FM/FMN "FM", AM "AM";
// empty for any other mode (the log's mode stays as it is).
QString logMode(const QString &hamlibMode);

}
