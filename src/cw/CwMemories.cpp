#include "cw/CwMemories.h"

#include "platform/ItemFileReader.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CwMemories {

QString path(const ProgramFolder &folder, int index)
{
    return folder.file(QStringLiteral("cw/%1.txt").arg(index));
}

QString read(const ProgramFolder &folder, int index)
{
    const std::optional<QStringList> items = ItemFileReader::readItems(path(folder, index));
    if (!items || items->isEmpty())
        return {};
    return items->last().trimmed();
}

bool write(const ProgramFolder &folder, int index, const QString &text, QString *error)
{
    const QString file = path(folder, index);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QString clean = text.trimmed();
    clean.remove(QLatin1Char('"'));
    // A full disk must not leave the memory empty: the old text stays until the new is on disk.
    return SafeFile::write(file, (QLatin1Char('"') + clean + QStringLiteral("\"\r\n")).toUtf8(), error);
}

void ensureExists(const ProgramFolder &folder, int index)
{
    const QString file = path(folder, index);
    if (QFileInfo::exists(file))
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    f.open(QIODevice::WriteOnly);
}

QStringList listLines(const ProgramFolder &folder)
{
    QStringList lines;
    for (int i = 0; i < Count; ++i) {
        const QString head = read(folder, i).left(30).trimmed();
        if (!head.isEmpty())
            lines << QStringLiteral("%1--%2").arg(i + 1).arg(head);
    }
    return lines;
}

int indexOfListLine(const QString &line)
{
    const QString head = line.left(2);
    int n = 0;
    int digits = 0;
    while (digits < head.size() && head.at(digits).isDigit())
        n = n * 10 + head.at(digits++).digitValue();
    return digits > 0 && n >= 1 && n <= Count ? n - 1 : -1;
}

}
