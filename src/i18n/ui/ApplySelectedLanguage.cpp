#include "i18n/ui/ApplySelectedLanguage.h"

// Language packs are not read yet: windows keep their designed Croatian texts.
void ApplySelectedLanguage(QWidget *) {}
