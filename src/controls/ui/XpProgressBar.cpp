#include "controls/ui/XpProgressBar.h"

XpProgressBar::XpProgressBar(const QString &objectName, QWidget *parent) : QProgressBar(parent)
{
    setObjectName(objectName);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    setStyleSheet(QStringLiteral(
        "XpProgressBar { border: 1px solid #7d8aa0; border-radius: 3px; background: #f4f6fa; height: 16px; }"
        "XpProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7fd37f, stop:1 #2f9e44);"
        " margin: 1px; }"));
}
