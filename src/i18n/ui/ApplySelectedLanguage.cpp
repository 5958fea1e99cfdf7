#include "i18n/ui/ApplySelectedLanguage.h"

#include "i18n/LanguagePack.h"
#include "i18n/ui/LanguageApplier.h"

// Every load reads the pack from disk again, so an edited pack shows at the next
// window load. An unknown or missing selection word leaves the designed texts.
void ApplySelectedLanguage(QWidget *window)
{
    const QString packFile = LanguageSelection::packFileForWord(SelectedLanguageWord());
    if (packFile.isEmpty())
        return;
    LanguagePack &pack = LanguagePack::instance();
    pack.LoadLanguagePack(LanguageSelection::packPath(packFile));
    SetLanguageInForm(window, pack);
}
