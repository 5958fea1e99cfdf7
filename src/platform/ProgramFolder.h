#pragma once
#include <QString>

// The program folder: every file Brelog reads or writes lives in it or below it
// (contest.mdb, znakovi.mdb, evidencija.mdb, jezik/, cw/, zvukovi/, BackUp/, log/).
// It is the folder of the executable unless the command line chose another one.
namespace ProgramFolder {
QString path();
void setPath(const QString &folder);
// Absolute path of a file or folder given relative to the program folder ("jezik/jezik.ini").
QString file(const QString &relative);
}
