#include "controls/ui/XpProgressBar.h"

XpProgressBar::XpProgressBar(const QString &objectName, QWidget *parent) : QProgressBar(parent)
{
    setObjectName(objectName);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}
