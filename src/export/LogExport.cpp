#include "export/LogExport.h"

#include "contestlog/LogStore.h"
#include "export/AdifWriter.h"
#include "export/EdiWriter.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace LogExport {

namespace {

// One part of a file name: path separators and every character that is not printable
// (NUL, line breaks, other control characters) become "_".
QString namePart(const QString &text)
{
    QList<uint> points = text.trimmed().toUcs4();
    for (uint &c : points)
        if (c == '/' || c == '\\' || !QChar::isPrint(char32_t(c)))
            c = '_';
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size());
}

// Drops the last character (both halves of a surrogate pair).
void chopCharacter(QString &s)
{
    s.chop(s.size() >= 2 && s.at(s.size() - 1).isLowSurrogate() ? 2 : 1);
}

qsizetype encodedSize(const QString &name)
{
    return QFile::encodeName(name).size();
}

}

QString fileName(Format format, const ContestSettings &s, const QString &band)
{
    QString call = namePart(s.pozivniZnak);
    QString contest = namePart(s.nazivNatjecanja);
    const QString tail = QLatin1Char('-') + namePart(band)
                         + (format == Format::Edi ? QLatin1String(".edi") : QLatin1String(".adi"));
    // Below the usual limit of 255 bytes, with room for the temporary name the file is
    // written under first: the contest name gives way first, then the call.
    while (encodedSize(call + QLatin1Char('-') + contest + tail) > MaxFileNameBytes && !contest.isEmpty())
        chopCharacter(contest);
    while (encodedSize(call + QLatin1Char('-') + contest + tail) > MaxFileNameBytes && !call.isEmpty())
        chopCharacter(call);
    return call + QLatin1Char('-') + contest + tail;
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
    QString error;
    if (!SafeFile::write(r.path, bytes, &error)) {
        // The path is reported on its own; the detail is the reason alone.
        r.detail = error.mid(r.path.size() + 2);
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
