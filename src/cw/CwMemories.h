#pragma once
#include <QString>
#include <QStringList>

class ProgramFolder;

// The nine message memories: memory k (1..9) is the file cw/<k-1>.txt of the program
// folder, holding its text as one quoted item. Functions take the file index 0..8.
namespace CwMemories {

constexpr int Count = 9;

QString path(const ProgramFolder &folder, int index);

// The memory's text: the last item of its file, trimmed; empty when the file holds no
// item, is missing or unreadable.
QString read(const ProgramFolder &folder, int index);

// Writes `text` trimmed as one quoted item and a line end, replacing the file (the
// folder is created when missing). A double quote would end the item early when read
// back, so quotes are left out. False with a reason when the file cannot be written.
bool write(const ProgramFolder &folder, int index, const QString &text, QString *error = nullptr);

// Creates an empty file for the memory when it has none (what the editor does when
// it opens a memory without a file).
void ensureExists(const ProgramFolder &folder, int index);

// The lines of the memory list: "<k>--<first 30 characters, trimmed>" for every memory
// that holds text, in number order.
QStringList listLines(const ProgramFolder &folder);

// The memory a list line stands for: the number in its first two characters, minus
// one; -1 when they hold no number from 1 to 9.
int indexOfListLine(const QString &line);

}
