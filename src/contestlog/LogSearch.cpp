#include "contestlog/LogSearch.h"

#include "contestlog/LogStore.h"

namespace LogSearch {

namespace {

bool search(QSqlDatabase db, const char *column, const QString &band, const QString &text, QVector<QsoRow> &rows,
            QString *error)
{
    return LogStore(db).bandRowsContaining(band, column, text, rows, error);
}

}

bool byCall(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows, QString *error)
{
    return search(db, "Call", band, text, rows, error);
}

bool byLocator(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows, QString *error)
{
    return search(db, "Loc", band, text, rows, error);
}

}
