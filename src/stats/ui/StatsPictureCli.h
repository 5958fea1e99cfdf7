#pragma once
#include <QString>

class ProgramFolder;

// `brelog --export map|bearings|distances|squares --band BAND`: draws the view of the
// statistics window for the band and writes it as log/<band file>-<view>.png, prints
// the path and returns the exit code (non-zero with a message on failure). Needs a
// QApplication (the offscreen platform serves).
namespace StatsPictureCli {
int run(const ProgramFolder &folder, const QString &word, const QString &band, const QString &database = {});
}
