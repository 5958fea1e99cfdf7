#pragma once
#include <QChar>
#include <QPixmap>

class QMenuBar;

// The twenty 14 x 14 menu pictures 'A'..'T'. Items that share a letter share a picture.
namespace MenuIcons {
QPixmap picture(QChar letter);
}

// Puts the pictures on the items of the main window's drop-downs, addressing each
// item by its position in its drop-down (separators count). The drop-downs are found
// by their objectNames; a position without an item is skipped.
void meni(QMenuBar *menuBar);
