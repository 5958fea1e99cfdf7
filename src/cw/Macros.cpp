#include "cw/Macros.h"

namespace Macros {

QString expand(const QString &text, const MacroValues &values)
{
    const std::pair<QLatin1String, const QString *> known[] = {
        {QLatin1String("MYCALL"), &values.myCall}, {QLatin1String("CALL"), &values.call},
        {QLatin1String("NR"), &values.nr},         {QLatin1String("RST"), &values.rst},
        {QLatin1String("MYLOC"), &values.myLocator}};
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), i);
        if (open < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, open - i);
        const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0) {
            out += QStringView(text).mid(open);
            break;
        }
        const QStringView name = QStringView(text).mid(open + 1, close - open - 1);
        const QString *value = nullptr;
        for (const auto &[macro, v] : known)
            if (name.compare(macro, Qt::CaseInsensitive) == 0)
                value = v;
        if (value) {
            out += value->trimmed().toLower();
            i = close + 1;
        } else {
            // Not a macro: keep the brace and look for one further on ("{{CALL}").
            out += QLatin1Char('{');
            i = open + 1;
        }
    }
    return out;
}

}
