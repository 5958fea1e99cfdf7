#include "contestlog/ui/EntryLine.h"

#include <QComboBox>
#include <QLineEdit>

QString EntryLine::band() const
{
    return Combo2 ? Combo2->currentText().trimmed() : QString();
}

QString EntryLine::serialAsNumber() const
{
    const QString t = Text4 ? Text4->text() : QString();
    bool ok = false;
    const qlonglong n = t.trimmed().toLongLong(&ok);
    return ok ? QString::number(n) : t;
}
