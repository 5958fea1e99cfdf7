#pragma once
#include "station/RadioBands.h"

#include <QString>
#include <functional>

// Lets the log's band and mode follow the radio. The entry is reached through
// callbacks so that this works with whatever holds the band selector and mode field.
// A radio change is applied once; while the entry is busy (a QSO being typed or
// edited) it waits and is applied at the first read after the entry is free.
class RadioFollower
{
public:
    struct Entry
    {
        std::function<bool()> busy;                         // a QSO is being typed or edited
        std::function<QList<RadioBands::StoredBand>()> bands; // the band selector's bands
        std::function<QString()> band;                      // the band shown
        std::function<void(const QString &)> selectBand;    // as if the operator chose it
        std::function<QString()> mode;                      // the mode field's text
        std::function<void(const QString &)> selectMode;    // as if chosen from the list
    };

    explicit RadioFollower(Entry entry) : m_entry(std::move(entry)) {}

    // A read of the radio: frequency in Hz and Hamlib mode.
    void radioRead(qint64 frequencyHz, const QString &hamlibMode);
    // The connection went away: the next read is applied as new.
    void forget();

private:
    Entry m_entry;
    qint64 m_appliedFrequency = -1;
    QString m_appliedMode;
    bool m_modeApplied = false;
};
