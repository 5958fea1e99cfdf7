#pragma once
#include <QString>
#include <QtGlobal>
#include <QTypeInfo>

// One row of `takmicenje` as stored: text columns carry their trailing storage
// blank, numeric columns are their decimal text. Readers trim.
struct QsoRow
{
    qint64 id = 0;
    QString time;
    QString call;
    QString rsts;
    QString nrs;
    QString mode;
    QString rstr;
    QString nrr;
    QString loc;
    QString qrb;
    QString bearing;
    QString qsos;
    QString odx;
    QString date;
    QString points;
    QString dupla;
    QString longitu;
    QString latitu;
    QString dxccd;
    QString dodatak1;
};

// Rows move by memcpy when a 30,000-row vector grows (QString is relocatable).
Q_DECLARE_TYPEINFO(QsoRow, Q_RELOCATABLE_TYPE);

// A QSO about to be written, taken from the entry line: texts as shown (without the
// storage blank), numbers already checked to be whole numbers.
struct QsoEntry
{
    QString time;
    QString call;
    qint64 rsts = 0;
    qint64 nrs = 0;
    QString mode;
    qint64 rstr = 0;
    qint64 nrr = 0;
    QString loc;
    qint64 qrb = 0;
    qint64 bearing = 0;
    qint64 qsos = 0;
    qint64 odx = 0;
    QString date;
    qint64 points = 0;
    QString dupla;
    QString longitu;
    QString latitu;
    QString dxccd;
    QString band; // Dodatak1
};
