#pragma once
#include <QString>

class QApplication;

// The program's one style sheet (brelog.qss, built into the program).
namespace Style {
QString sheet();
// Gives every window of the program its look.
void apply(QApplication &app);
}
