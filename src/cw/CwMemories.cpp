#include "cw/CwMemories.h"

#include "platform/ItemFileReader.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CwMemories {

QString path(int index)
{
    return ProgramFolder::file(QStringLiteral("cw/%1.txt").arg(index));
}

QString read(int index)
{
    const std::optional<QStringList> items = ItemFileReader::readItems(path(index));
    if (!items || items->isEmpty())
        return {};
    return items->last().trimmed();
}

bool write(int index, const QString &text, QString *error)
{
    const QString file = path(index);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QString clean = text.trimmed();
    clean.remove(QLatin1Char('"'));
    // A full disk must not leave the memory empty: the old text stays until the new is on disk.
    return SafeFile::write(file, (QLatin1Char('"') + clean + QStringLiteral("\"\r\n")).toUtf8(), error);
}

void ensureExists(int index)
{
    const QString file = path(index);
    if (QFileInfo::exists(file))
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    f.open(QIODevice::WriteOnly);
}

QStringList listLines()
{
    QStringList lines;
    for (int i = 0; i < Count; ++i) {
        const QString head = read(i).left(30).trimmed();
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
