#include "controls/ui/Style.h"

#include <QApplication>
#include <QFile>

namespace Style {

QString sheet()
{
    QFile f(QStringLiteral(":/brelog/brelog.qss"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void apply(QApplication &app)
{
    app.setStyleSheet(sheet());
}

}
