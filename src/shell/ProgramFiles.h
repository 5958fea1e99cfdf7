#pragma once
#include <QString>

// Lays out a program folder: the shipped files that are missing are copied from the
// shipped-data folder (the build's program folder, or share/brelog of an install), and empty databases are created where none exist. An
// existing file is never overwritten.
namespace ProgramFiles {
bool ensureShippedFiles(const QString &shippedFolder, const QString &programFolder, QString *error);
}
