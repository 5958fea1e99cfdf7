#include "export/LogExport.h"

#include "contestlog/LogStore.h"
#include "export/AdifWriter.h"
#include "export/EdiWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace LogExport {

QString fileName(Format format, const ContestSettings &s, const QString &band)
{
    QString call = s.pozivniZnak;
    call.replace(QLatin1Char('/'), QLatin1Char('_'));
    call.replace(QLatin1Char('\\'), QLatin1Char('_'));
    QString contest = s.nazivNatjecanja.trimmed();
    contest.replace(QLatin1Char('/'), QLatin1Char('_'));
    contest.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return call.trimmed() + QLatin1Char('-') + contest + QLatin1Char('-') + band.trimmed()
           + (format == Format::Edi ? QLatin1String(".edi") : QLatin1String(".adi"));
}

Result writeFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    Result r;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        r.status = Result::FolderFailed;
        r.path = folder;
        return r;
    }
    r.path = QDir(folder).filePath(name);
    QSaveFile file(r.path);
    if (!file.open(QIODevice::WriteOnly)) {
        r.detail = file.errorString();
        return r;
    }
    if (file.write(bytes) != bytes.size()) {
        r.detail = file.errorString();
        file.cancelWriting();
        return r;
    }
    if (!file.commit()) {
        r.detail = file.errorString();
        return r;
    }
    r.status = Result::Written;
    return r;
}

Result exportBand(QSqlDatabase db, Format format, const QString &band, const ContestSettings &settings,
                  const ExportTotals &totals, const QString &programFolder)
{
    QVector<QsoRow> rows;
    QString error;
    if (!LogStore(db).bandRows(band, rows, &error)) {
        Result r;
        r.status = Result::ReadFailed;
        r.detail = error;
        return r;
    }
    if (format == Format::Adif && rows.isEmpty()) {
        Result r;
        r.status = Result::EmptyBand;
        return r;
    }
    const QByteArray bytes = format == Format::Edi ? EdiWriter::compose(rows, settings, band, totals)
                                                   : AdifWriter::compose(rows, settings);
    return writeFile(QDir(programFolder).filePath(QStringLiteral("log")), fileName(format, settings, band), bytes);
}

}
