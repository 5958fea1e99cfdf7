#include "contestlog/ContestSession.h"

#include "contestlog/ContestDatabase.h"
#include "platform/ProgramFolder.h"
#include "platform/SqliteDatabase.h"

ContestSession &ContestSession::instance()
{
    static ContestSession session;
    return session;
}

QString ContestSession::path() const
{
    return ProgramFolder::file(QStringLiteral("contest.mdb"));
}

bool ContestSession::open(QString *error)
{
    close();
    m_db = ContestDatabase::open(path(), error);
    if (!m_db.isValid())
        return false;
    emit reopened();
    return true;
}

void ContestSession::close()
{
    if (m_db.isValid())
        emit aboutToClose();
    SqliteDatabase::close(m_db);
}
