#pragma once
#include "contest/ContestSettings.h"

#include <QObject>

class ContestSession;

// The contest data as stored in `postavke` of the contest database: what scores a QSO
// (the own locator), fills a keyer macro and goes into an export. Nobody edits it in
// place: the contest data dialog edits a draft of its own and, once the draft is
// stored, has this reload it, which announces the new data to every reader.
class ContestSettingsStore : public QObject
{
    Q_OBJECT
public:
    explicit ContestSettingsStore(ContestSession &session, QObject *parent = nullptr);

    // The stored data, loaded on first use. A failing load leaves them empty.
    const ContestSettings &settings();
    bool isLoaded() const { return m_loaded; }
    // Reads the table again (after it was written, here or on another PC) and
    // announces the result.
    void reload();
    // A new, empty contest: nothing of the old contest's data is kept but its dates
    // and modes, which the dialog offers again; the band list starts afresh.
    void resetForNewContest();

signals:
    void changed();

private:
    ContestSession &m_session;
    ContestSettings m_settings;
    bool m_loaded = false;
};
