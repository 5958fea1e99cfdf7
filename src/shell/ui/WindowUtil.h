#pragma once
class QWidget;

// Puts `window` above every window that is not itself always on top (on = true), or
// back into the normal order. The window is shown; it is neither moved, resized nor
// activated.
void SetTopmost(QWidget *window, bool on);
