#pragma once
#include "contest/ContestSettings.h"
#include "export/ExportTotals.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

// Writing a band's log as an EDI or ADIF file into the `log` folder of a program
// folder: the steps the menu commands and the command line share.
namespace LogExport {

enum class Format { Edi, Adif };

struct Result
{
    enum Status {
        Written,       // `path` holds the new file
        EmptyBand,     // ADIF of a band without QSOs: no file is made
        ReadFailed,    // the band's rows could not be read; `detail` says why
        FolderFailed,  // the log folder could not be created; `path` is the folder
        WriteFailed,   // the file could not be written; `path` is the file, `detail` why
    };
    Status status = WriteFailed;
    QString path;
    QString detail;

    bool ok() const { return status == Written; }
};

// "<C>-<N>-<B>.edi" or ".adi": C the call sign with "/" as "_", N the contest name,
// B the band text, each trimmed. A "/" or "\" in the contest name is written as "_"
// as well, so the name cannot lead out of the log folder, and so is every character
// that is not printable. A name longer than MaxFileNameBytes (in the file system's
// encoding) loses the end of the contest name, then of the call.
inline constexpr qsizetype MaxFileNameBytes = 200;
QString fileName(Format format, const ContestSettings &settings, const QString &band);

// Creates `folder` when missing and replaces `folder/name` with `bytes` through a
// temporary file in the same folder, so that a failed write leaves an existing file
// untouched.
Result writeFile(const QString &folder, const QString &name, const QByteArray &bytes);

// Reads the rows of `band` from `db`, composes the file and writes it into
// `programFolder`/log.
Result exportBand(QSqlDatabase db, Format format, const QString &band, const ContestSettings &settings,
                  const ExportTotals &totals, const QString &programFolder);

}
