#include "contestlog/ui/EntryLine.h"

#include <QComboBox>

QString EntryLine::band() const
{
    return Combo2 ? Combo2->currentText().trimmed() : QString();
}
