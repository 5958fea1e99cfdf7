#pragma once
#include "contestlog/QsoRow.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// The log searches: the QSOs of a band whose call (or locator) contains the search
// text anywhere, with the database's own comparison (letter case of A-Z ignored),
// sorted by the searched column and, within equal values, in stored order.
namespace LogSearch {

bool byCall(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows,
            QString *error = nullptr);
bool byLocator(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows,
               QString *error = nullptr);

}
