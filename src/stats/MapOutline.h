#pragma once

class ProgramFolder;
#include <QPointF>
#include <QString>
#include <QVector>

// Land outlines and country borders for the QSO map, in degrees (x longitude east
// positive, y latitude north positive), read from the program's map data file.
struct MapOutline
{
    QVector<QVector<QPointF>> land;    // closed rings
    QVector<QVector<QPointF>> borders; // open lines

    // Reads a file written by tools/mapdata; false (and `error`) when it cannot be read
    // or holds a malformed line.
    bool load(const QString &path, QString *error = nullptr);
    bool isEmpty() const { return land.isEmpty(); }
    // map/europe.map of the program folder, or else the one beside the program.
    static QString defaultPath(const ProgramFolder &folder);
};
