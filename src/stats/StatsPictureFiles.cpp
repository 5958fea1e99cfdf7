#include "stats/StatsPictureFiles.h"

#include "export/LogExport.h"

namespace StatsPictureFiles {

const QStringList &words()
{
    static const QStringList list{QStringLiteral("map"), QStringLiteral("bearings"), QStringLiteral("distances"),
                                  QStringLiteral("squares")};
    return list;
}

std::optional<Kind> kindOfWord(const QString &w)
{
    const int i = int(words().indexOf(w.trimmed().toLower()));
    if (i < 0)
        return std::nullopt;
    return static_cast<Kind>(i);
}

QString word(Kind kind)
{
    return words().at(int(kind));
}

QString fileName(Kind kind, const ContestSettings &settings, const QString &band)
{
    QString edi = LogExport::fileName(LogExport::Format::Edi, settings, band);
    edi.chop(4); // ".edi"
    return edi + QLatin1Char('-') + word(kind) + QStringLiteral(".png");
}

}
