#pragma once
#include "contest/ContestSettings.h"

#include <QObject>

// The contest data in memory, as the contest data dialog holds it. The first read
// loads it from `postavke` of the working contest database; it then stays until
// discarded (the dialog closes), and the next read loads it again.
class ContestSettingsStore : public QObject
{
    Q_OBJECT
public:
    static ContestSettingsStore &instance();

    // The settings, loaded on first use. A failing load leaves them empty.
    ContestSettings &settings();
    bool isLoaded() const { return m_loaded; }
    // Forgets the in-memory state; the next read loads it from the table again.
    void discard();
    // Reloads now from the table (after the table was written).
    void reload();
    QString lastError() const { return m_error; }

signals:
    void changed();

private:
    ContestSettingsStore() = default;
    ContestSettings m_settings;
    bool m_loaded = false;
    QString m_error;
};
