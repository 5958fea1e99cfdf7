#include "station/RadioFollower.h"

void RadioFollower::radioRead(qint64 frequencyHz, const QString &hamlibMode)
{
    const bool frequencyChanged = frequencyHz != m_appliedFrequency;
    const bool modeChanged = !m_modeApplied || hamlibMode != m_appliedMode;
    if (!frequencyChanged && !modeChanged)
        return;
    // A QSO being entered never jumps band: the change waits until the entry is free.
    if (m_entry.busy())
        return;
    bool bandSelected = false;
    if (frequencyChanged) {
        const QString shown = m_entry.band();
        const QString band = RadioBands::bandFor(frequencyHz, m_entry.bands(), shown);
        if (!band.isEmpty() && band != shown) {
            m_entry.selectBand(band);
            bandSelected = true;
        }
        m_appliedFrequency = frequencyHz;
    }
    // A new band brings its stored mode; the radio's mode goes over it.
    if (modeChanged || bandSelected) {
        const QString mode = RadioBands::logMode(hamlibMode);
        if (!mode.isEmpty() && mode != m_entry.mode())
            m_entry.selectMode(mode);
        m_appliedMode = hamlibMode;
        m_modeApplied = true;
    }
}

void RadioFollower::forget()
{
    m_appliedFrequency = -1;
    m_appliedMode.clear();
    m_modeApplied = false;
}
