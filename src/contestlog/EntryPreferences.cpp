#include "contestlog/EntryPreferences.h"

#include <QSettings>

namespace {

const char *const FocusCallKey = "entry/focusCallAfterSave";

}

EntryPreferences EntryPreferences::read(QSettings &ini)
{
    EntryPreferences p;
    p.focusCallAfterSave = ini.value(QLatin1String(FocusCallKey), false).toBool();
    return p;
}

void EntryPreferences::write(QSettings &ini) const
{
    ini.setValue(QLatin1String(FocusCallKey), focusCallAfterSave);
}
