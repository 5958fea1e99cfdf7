#include "contest/BandLabels.h"

namespace BandLabels {

const QStringList &all()
{
    static const QStringList labels = {
        QStringLiteral("50 MHz"),  QStringLiteral("70 MHz"),  QStringLiteral("144 MHz"),
        QStringLiteral("432 MHz"), QStringLiteral("1,3 GHz"), QStringLiteral("2,3 GHz"),
        QStringLiteral("3,4 GHz"), QStringLiteral("5,7 GHz"), QStringLiteral("10 GHz"),
        QStringLiteral("24 GHz"),  QStringLiteral("47 GHz"),  QStringLiteral("76 GHz"),
        QStringLiteral("120 GHz"), QStringLiteral("144 GHz"), QStringLiteral("248 GHz"),
    };
    return labels;
}

QString label(int k)
{
    return (k >= 1 && k <= Count) ? all().at(k - 1) : QString();
}

int number(const QString &text)
{
    return all().indexOf(text) + 1;
}

}
