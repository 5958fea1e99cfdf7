#include "export/AsciiText.h"

#include <QHash>

namespace {

// Letters and signs that Unicode does not decompose into an ASCII base.
const QHash<char32_t, const char *> &spellings()
{
    static const QHash<char32_t, const char *> table = {
        {U'đ', "d"},  {U'Đ', "D"},  {U'ð', "d"},  {U'Ð', "D"},  {U'ł', "l"},   {U'Ł', "L"},
        {U'ø', "o"},  {U'Ø', "O"},  {U'ħ', "h"},  {U'Ħ', "H"},  {U'ŧ', "t"},   {U'Ŧ', "T"},
        {U'ı', "i"},  {U'ß', "ss"}, {U'æ', "ae"}, {U'Æ', "AE"}, {U'œ', "oe"},  {U'Œ', "OE"},
        {U'þ', "th"}, {U'Þ', "TH"}, {U'ĸ', "k"},  {U'ŀ', "l"},  {U'Ŀ', "L"},   {U'\u2010', "-"},
        {U'\u2011', "-"}, {U'\u2012', "-"}, {U'\u2013', "-"}, {U'\u2014', "-"}, {U'\u2018', "'"},
        {U'\u2019', "'"}, {U'\u201A', "'"}, {U'\u201C', "\""}, {U'\u201D', "\""}, {U'\u201E', "\""},
        {U'\u00B4', "'"}, {U'\u00A0', " "}, {U'\u2026', "..."},
    };
    return table;
}

}

namespace AsciiText {

QByteArray fold(const QString &text)
{
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return text.toLatin1();
    QByteArray out;
    out.reserve(text.size());
    // Compatibility decomposition splits "č" into "c" and a combining caron, and
    // ligatures or full-width forms into their plain letters.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    for (const char32_t c : decomposed.toUcs4()) {
        if (c < 0x80) {
            out.append(char(c));
            continue;
        }
        const QChar::Category cat = QChar::category(c);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining || cat == QChar::Mark_Enclosing)
            continue;
        const auto it = spellings().constFind(c);
        out.append(it != spellings().constEnd() ? *it : "?");
    }
    return out;
}

}
