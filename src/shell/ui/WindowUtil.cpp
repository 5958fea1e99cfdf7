#include "shell/ui/WindowUtil.h"

#include <QWidget>

void SetTopmost(QWidget *window, bool on)
{
    if (!window)
        return;
    const bool keepsActivation = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        // Changing a window flag re-creates the native window, which hides it and may
        // forget a position the operator gave it.
        const bool placed = window->testAttribute(Qt::WA_Moved) || window->isVisible();
        const QRect geometry = window->geometry();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (placed)
            window->setGeometry(geometry);
    }
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, keepsActivation);
}
