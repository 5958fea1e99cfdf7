#include "stats/MapOutline.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString MapOutline::defaultPath(const ProgramFolder &folder)
{
    // A program folder given on the command line need not hold the map: the one shipped
    // beside the program serves then.
    const QString relative = QStringLiteral("map/europe.map");
    const QString own = folder.file(relative);
    if (QFileInfo::exists(own) || !QCoreApplication::instance())
        return own;
    const QString shipped = QDir(QCoreApplication::applicationDirPath()).filePath(relative);
    return QFileInfo::exists(shipped) ? shipped : own;
}

bool MapOutline::load(const QString &path, QString *error)
{
    land.clear();
    borders.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    int lineNo = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++lineNo;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> items = line.split(' ');
        const char tag = items.at(0).size() == 1 ? items.at(0).at(0) : 0;
        if ((tag != 'L' && tag != 'B') || items.size() < 5 || items.size() % 2 == 0) {
            if (error)
                *error = QStringLiteral("%1: line %2 is not map data").arg(path).arg(lineNo);
            land.clear();
            borders.clear();
            return false;
        }
        QVector<QPointF> points;
        points.reserve(items.size() / 2);
        long x = 0, y = 0;
        for (int i = 1; i + 1 < items.size(); i += 2) {
            x += items.at(i).toLong();
            y += items.at(i + 1).toLong();
            points.append(QPointF(x / 100.0, y / 100.0));
        }
        (tag == 'L' ? land : borders).append(points);
    }
    return true;
}
