#include "contest/ContestSettingsStore.h"

#include "contest/ContestSession.h"

ContestSettingsStore &ContestSettingsStore::instance()
{
    static ContestSettingsStore store;
    return store;
}

ContestSettings &ContestSettingsStore::settings()
{
    if (!m_loaded)
        reload();
    return m_settings;
}

void ContestSettingsStore::discard()
{
    m_loaded = false;
    m_settings = ContestSettings();
}

void ContestSettingsStore::reload()
{
    m_settings = ContestSettings();
    m_error.clear();
    ContestSettingsTable::load(ContestSession::instance().database(), m_settings, &m_error);
    m_loaded = true;
    emit changed();
}
