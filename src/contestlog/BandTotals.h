#pragma once
#include "contestlog/QsoRow.h"

#include <QVector>
#include <QtGlobal>

// The running totals of one band, taken from its stored rows: the main window shows
// them, a new row records them, and the EDI header carries them. Every path that
// needs them (entry line, window export, command-line export) counts them here.
struct BandTotals
{
    qint64 count = 0;         // QSOs on the band
    qint64 points = 0;        // sum of QRB (duplicates are stored with 0)
    qint64 odx = 0;           // largest QRB
    qint64 highestSerial = 0; // largest serial sent

    // The next serial to send: never one already sent on the band, even after a
    // deletion; without deletions it is the count + 1.
    qint64 nextSerial() const { return highestSerial + 1; }

    void add(const QsoRow &row);
    static BandTotals of(const QVector<QsoRow> &rows);
};
