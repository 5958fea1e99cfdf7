#include "contestlog/EntryPreferences.h"

#include "platform/ProgramFolder.h"

#include <QSettings>

namespace {

const char *const FocusCallKey = "entry/focusCallAfterSave";

QString iniPath()
{
    return ProgramFolder::file(QStringLiteral("brelog.ini"));
}

}

EntryPreferences EntryPreferences::load()
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    EntryPreferences p;
    p.focusCallAfterSave = ini.value(QLatin1String(FocusCallKey), false).toBool();
    return p;
}

bool EntryPreferences::store() const
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.setValue(QLatin1String(FocusCallKey), focusCallAfterSave);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
