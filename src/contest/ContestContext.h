#pragma once
#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramSettings.h"

// Everything that belongs to the contest being worked on this PC, with one owner: the
// program folder, this PC's settings (brelog.ini), the connection to the contest
// database and the stored contest data. The program builds one at start-up, beside the
// platform, and passes it by reference to what needs it; it outlives every window. A
// test builds one on its own temporary folder, so nothing is shared between tests.
class ContestContext
{
public:
    explicit ContestContext(const QString &programFolder);
    ContestContext(const ContestContext &) = delete;
    ContestContext &operator=(const ContestContext &) = delete;

    const ProgramFolder &folder() const { return m_folder; }
    ProgramSettings &settings() { return m_settings; }
    ContestSession &session() { return m_session; }
    QSqlDatabase database() const { return m_session.database(); }
    // The stored contest data, read only: `contestData().settings()`.
    ContestSettingsStore &contestData() { return m_contestData; }

private:
    ProgramFolder m_folder;
    ProgramSettings m_settings;
    ContestSession m_session;
    ContestSettingsStore m_contestData;
};
