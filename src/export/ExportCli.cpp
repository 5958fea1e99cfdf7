#include "export/ExportCli.h"

#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSettings.h"
#include "contestlog/BandTotals.h"
#include "contestlog/LogStore.h"
#include "export/LogExport.h"
#include "platform/ProgramFolder.h"
#include "platform/SqliteDatabase.h"

#include <QFileInfo>
#include <cstdio>

namespace ExportCli {

int fail(const QString &message)
{
    std::fprintf(stderr, "brelog: %s\n", qPrintable(message));
    return 1;
}

namespace {

QString resultMessage(const LogExport::Result &r, const QString &band)
{
    switch (r.status) {
    case LogExport::Result::Written:
        return {};
    case LogExport::Result::EmptyBand:
        return QStringLiteral("no QSOs on %1, no file written").arg(band);
    case LogExport::Result::ReadFailed:
        return QStringLiteral("cannot read the log: %1").arg(r.detail);
    case LogExport::Result::FolderFailed:
        return QStringLiteral("cannot create the folder %1").arg(r.path);
    case LogExport::Result::WriteFailed:
        return QStringLiteral("cannot write %1: %2").arg(r.path, r.detail);
    }
    return {};
}

}

int withContest(const ProgramFolder &folder, const QString &band, const QString &database,
                const std::function<int(QSqlDatabase db, const ContestSettings &settings)> &write)
{
    if (BandLabels::number(band) == 0)
        return fail(QStringLiteral("unknown band \"%1\"; the bands are: %2")
                        .arg(band, BandLabels::all().join(QStringLiteral(", "))));

    const bool server = !database.isEmpty();
    const QString path = server ? ContestDatabase::displayUrl(database) : folder.file(QStringLiteral("contest.mdb"));
    QString error;
    if (!server && !QFileInfo(path).isFile())
        return fail(QStringLiteral("no contest database %1").arg(path));
    if (!server && !ContestDatabase::isContestDatabase(path, &error))
        return fail(error);
    QSqlDatabase db = server ? ContestDatabase::openServer(database, &error) : ContestDatabase::open(path, &error);
    if (!db.isValid())
        return fail(server ? error : QStringLiteral("cannot open %1: %2").arg(path, error));

    int code = 0;
    {
        ContestSettings settings;
        if (!ContestSettingsTable::load(db, settings, &error))
            code = fail(QStringLiteral("cannot read the contest data: %1").arg(error));
        else
            code = write(db, settings);
    }
    ContestDatabase::close(db);
    return code;
}

int run(const ProgramFolder &folder, const QString &formatText, const QString &band, const QString &database)
{
    const QString f = formatText.trimmed().toLower();
    if (f != QLatin1String("edi") && f != QLatin1String("adif"))
        return fail(QStringLiteral("unknown export format \"%1\" (use edi or adif)").arg(formatText));
    const LogExport::Format format = f == QLatin1String("edi") ? LogExport::Format::Edi : LogExport::Format::Adif;
    return withContest(folder, band, database, [&](QSqlDatabase db, const ContestSettings &settings) {
        QString error;
        QVector<QsoRow> rows;
        if (!LogStore(db).bandRows(band, rows, &error))
            return fail(QStringLiteral("cannot read the log: %1").arg(error));
        // The totals the main window shows for the band, counted the same way.
        const BandTotals totals = BandTotals::of(rows);
        const ExportTotals shown{QString::number(totals.count), QString::number(totals.points)};
        const LogExport::Result r = LogExport::exportBand(db, format, band, settings, shown, folder.path());
        if (!r.ok())
            return fail(resultMessage(r, band));
        std::printf("%s\n", qPrintable(r.path));
        return 0;
    });
}

}
