#include "cw/Morse.h"

#include <QHash>
#include <QStringList>
#include <cmath>

namespace Morse {

namespace {

const QHash<QChar, QString> &table()
{
    static const QHash<QChar, QString> t = [] {
        QHash<QChar, QString> h;
        const char *digits[] = {"-----", ".----", "..---", "...--", "....-",
                                ".....", "-....", "--...", "---..", "----."};
        for (int i = 0; i < 10; ++i)
            h.insert(QChar('0' + i), QString::fromLatin1(digits[i]));
        const char *letters[] = {".-",   "-...", "-.-.", "-..",  ".",   "..-.", "--.",  "....", "..",
                                 ".---", "-.-",  ".-..", "--",   "-.",  "---",  ".--.", "--.-", ".-.",
                                 "...",  "-",    "..-",  "...-", ".--", "-..-", "-.--", "--.."};
        for (int i = 0; i < 26; ++i)
            h.insert(QChar('a' + i), QString::fromLatin1(letters[i]));
        const std::pair<char, const char *> signs[] = {
            {',', "--..--"}, {'-', "-....-"}, {'.', ".-.-.-"}, {'/', "-..-."},  {'\\', "-..-."},
            {'=', "-...-"},  {'?', "..--.."}, {':', "---..."}, {'(', "-.--.-"}, {')', "-.--.-"},
            {'\'', ".-..-."}, {'*', ".-..."}, {'@', "-.--."},  {'&', ".-.-."},  {'%', "...-."},
            {'~', "-...-.-"}, {'>', "...-...-...-"}, {'<', "...-.-"}};
        for (const auto &[c, code] : signs)
            h.insert(QChar(c), QString::fromLatin1(code));
        return h;
    }();
    return t;
}

}

QString code(QChar c)
{
    return table().value(c);
}

const QStringList &speedNames()
{
    static const QStringList names{QStringLiteral("Slow"), QStringLiteral("Medium"), QStringLiteral("Fast")};
    return names;
}

int speedValue(const QString &speedName, int previous)
{
    static const int values[] = {1, 88, 175};
    const int i = speedNames().indexOf(speedName.trimmed());
    return i < 0 ? previous : values[i];
}

int dashWeight(const QString &text, int previous)
{
    const QString t = text.trimmed();
    int end = 0;
    while (end < t.size() && (t.at(end).isDigit() || t.at(end) == QLatin1Char('.')))
        ++end;
    bool ok = false;
    const double v = t.left(end).toDouble(&ok);
    if (!ok)
        return previous;
    const double rounded = std::nearbyint(v); // the default rounding mode: halves to even
    return rounded < 1 || rounded > 20 ? previous : int(rounded);
}

Timing timingFor(int speedValue, int weight)
{
    return {150 - speedValue + 50, weight};
}

QVector<Step> characterSteps(QChar c, const Timing &timing)
{
    const int e = timing.elementMs;
    if (c == QLatin1Char(' '))
        return {{false, 3 * e}};
    const QString dits = code(c);
    QVector<Step> steps;
    for (QChar d : dits) {
        steps.append({true, d == QLatin1Char('-') ? timing.dashWeight * e : e});
        steps.append({false, e});
    }
    if (!steps.isEmpty())
        steps.append({false, 3 * e});
    return steps;
}

QVector<Step> schedule(const QString &text, const Timing &timing)
{
    QVector<Step> all;
    for (QChar c : text)
        for (const Step &s : characterSteps(c, timing)) {
            if (!all.isEmpty() && all.last().down == s.down && !s.down)
                all.last().ms += s.ms;
            else
                all.append(s);
        }
    return all;
}

}
