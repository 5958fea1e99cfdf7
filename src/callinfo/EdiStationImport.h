#pragma once
#include "callinfo/KnownStations.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// Known stations from old contest logs: the QSO records of REG1TEST (EDI) files give
// the other station's call (field 3) and locator (field 10).
namespace EdiStationImport {

struct LogFile
{
    QString path;
    bool read = false;     // the file could be read and has a QSO records section
    QDate contestDate;     // first day of TDate; invalid when missing
    QVector<KnownStations::ImportEntry> stations; // in record order
    int malformed = 0;     // QSO lines without a usable call and locator
};

// Calls longer than this are no calls (and no known station).
inline constexpr int MaxCallLength = 20;
// A line longer than this (in characters) is no QSO record and is skipped unread.
inline constexpr qsizetype MaxLineLength = 4096;

// Reads the log at `path` line by line, in UTF-8, UTF-16 (either with a byte-order
// mark) or an 8-bit code page; one station per call, the later record winning.
LogFile readLog(const QString &path);
// The same for a log held in memory (for tests).
LogFile parseLog(const QByteArray &content);

struct Summary
{
    int files = 0;
    int filesRead = 0;
    QStringList unreadFiles;
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    int malformed = 0;
    QString error; // the store could not be written
    bool ok() const { return filesRead > 0 && error.isEmpty(); }
};

// The stations of all logs, one per call: where logs disagree on a locator, the log
// of the later contest wins, and of logs with the same date the later in `paths`;
// within one log the later record wins.
QVector<KnownStations::ImportEntry> mergedStations(const QVector<LogFile> &logs);

// Reads the logs and adds their stations to `store` (unknown calls added, known calls
// with another locator updated).
Summary importLogs(const QStringList &paths, KnownStations &store);

// The summary as shown and printed, one line per figure.
QStringList summaryLines(const Summary &summary);

}
