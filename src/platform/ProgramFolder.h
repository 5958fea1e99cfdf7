#pragma once
#include <QString>

// The program folder: every file Brelog reads or writes lives in it or below it
// (contest.mdb, znakovi.mdb, evidencija.mdb, brelog.ini, jezik/, cw/, zvukovi/, BackUp/,
// log/). Chosen once at start-up (the command line's folder, else the executable's)
// and handed to whatever needs a file from it; a test hands its own temporary one.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &path);

    // The folder of the executable, where a build tree keeps the shipped files.
    static QString executableFolder();

    QString path() const { return m_path; }
    // Absolute path of a file or folder given relative to the program folder ("jezik/jezik.ini").
    QString file(const QString &relative) const;

private:
    QString m_path;
};
