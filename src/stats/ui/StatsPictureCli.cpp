#include "stats/ui/StatsPictureCli.h"

#include "export/ExportCli.h"
#include "platform/ProgramFolder.h"
#include "stats/MapOutline.h"
#include "stats/StatsPictureFiles.h"
#include "stats/ui/StatsPictures.h"

#include <cstdio>

namespace StatsPictureCli {

int run(const ProgramFolder &folder, const QString &word, const QString &band, const QString &database)
{
    const std::optional<StatsPictureFiles::Kind> kind = StatsPictureFiles::kindOfWord(word);
    if (!kind)
        return ExportCli::fail(QStringLiteral("unknown picture \"%1\" (use %2)")
                                   .arg(word, StatsPictureFiles::words().join(QLatin1Char('|'))));
    return ExportCli::withContest(folder, band, database, [&](QSqlDatabase db, const ContestSettings &settings) {
        QString error;
        const QImage image = StatsPictures::render(*kind, db, band, MapOutline::defaultPath(folder), &error);
        if (image.isNull())
            return ExportCli::fail(QStringLiteral("cannot read the log: %1").arg(error));
        const StatsPictures::Saved s = StatsPictures::save(image, *kind, settings, band, folder.path());
        if (!s.ok)
            return ExportCli::fail(s.error);
        std::printf("%s\n", qPrintable(s.path));
        return 0;
    });
}

}
