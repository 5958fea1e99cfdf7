#include "controls/ui/ChameleonButton.h"

ChameleonButton::ChameleonButton(const QString &objectName, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    // Never a dialog default: Enter reaches the window, which decides what it does.
    setAutoDefault(false);
    setMinimumHeight(28);
}
