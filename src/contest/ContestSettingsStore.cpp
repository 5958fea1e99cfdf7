#include "contest/ContestSettingsStore.h"

#include "contest/ContestSession.h"

ContestSettingsStore::ContestSettingsStore(ContestSession &session, QObject *parent)
    : QObject(parent), m_session(session)
{
}

const ContestSettings &ContestSettingsStore::settings()
{
    if (!m_loaded)
        reload();
    return m_settings;
}

void ContestSettingsStore::reload()
{
    m_settings = ContestSettings();
    ContestSettingsTable::load(m_session.database(), m_settings);
    m_loaded = true;
    emit changed();
}

void ContestSettingsStore::resetForNewContest()
{
    ContestSettings kept = m_loaded ? m_settings : ContestSettings();
    clearForNewContest(kept);
    kept.bandList.clear();
    kept.loadedFromTable = false;
    ContestSettingsTable::load(m_session.database(), kept);
    m_settings = kept;
    m_loaded = true;
    emit changed();
}
