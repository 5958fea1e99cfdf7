#include "contest/ContestContext.h"

#include "i18n/LanguagePack.h"

ContestContext::ContestContext(const QString &programFolder)
    : m_folder(programFolder),
      m_settings(m_folder.file(QStringLiteral("brelog.ini"))),
      m_session(m_folder),
      m_contestData(m_session)
{
    LanguageSelection::useFolder(m_folder.file(QStringLiteral("jezik")));
}
