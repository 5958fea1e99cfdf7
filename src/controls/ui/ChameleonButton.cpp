#include "controls/ui/ChameleonButton.h"

ChameleonButton::ChameleonButton(const QString &objectName, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    setAutoDefault(false);
    setMinimumHeight(28);
    // Enter in a focused button presses it, as the keyboard-driven entry expects.
    setStyleSheet(QStringLiteral(
        "ChameleonButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #dcdfe6);"
        " border: 1px solid #8a93a6; border-radius: 4px; padding: 3px 14px; font-weight: bold; }"
        "ChameleonButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #c9dcf5);"
        " border-color: #3c6fb6; }"
        "ChameleonButton:focus { border: 2px solid #3c6fb6; }"
        "ChameleonButton:pressed { background: #b9cbe6; }"
        "ChameleonButton:disabled { color: #9a9a9a; border-color: #c0c0c0; }"));
}
