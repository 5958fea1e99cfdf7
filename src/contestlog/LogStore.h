#pragma once
#include "contestlog/QsoRow.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <optional>

// The statements the contest log runs on `takmicenje`. Every per-band statement
// selects the rows whose band column contains the band text (the stored label
// carries a trailing blank), in the order the rows were added. Every change is one
// committed transaction; a failure leaves the table unchanged and sets `error`.
class LogStore
{
public:
    explicit LogStore(QSqlDatabase db = {});
    void setDatabase(QSqlDatabase db) { m_db = db; }
    QSqlDatabase database() const { return m_db; }

    struct Totals
    {
        qint64 count = 0;
        qint64 points = 0; // sum of QRB; 0 for an empty band
        qint64 odx = 0;    // max of QRB; 0 for an empty band
    };

    // The rows of band `band` (trimmed first) in stored order.
    bool bandRows(const QString &band, QVector<QsoRow> &rows, QString *error = nullptr) const;
    // The rows of band `band` whose column `column` (a column name of ours, such as
    // "Call") contains `text`, ordered by that column and then as stored.
    bool bandRowsContaining(const QString &band, const char *column, const QString &text, QVector<QsoRow> &rows,
                            QString *error = nullptr) const;
    bool totals(const QString &band, Totals &totals, QString *error = nullptr) const;
    // Smallest QRB of the band; empty when the band has no QSO.
    std::optional<qint64> minimumQrb(const QString &band, QString *error = nullptr) const;

    // Adds the QSO as given; returns the stored row (with its new ID) or nothing on failure.
    std::optional<QsoRow> insert(const QsoEntry &qso, QString *error = nullptr);
    // Adds a new QSO of the entry line and returns the row as stored. On a shared
    // database, within its transaction and holding the band's lock, it takes the band's
    // count, points and ODX "without itself" and the duplicate test from the committed
    // rows, so two PCs saving on one band at the same moment never store the same totals
    // and never both miss a duplicate (a duplicate found there is stored as "D" with
    // QRB 0), and a serial sent that another PC has stored on the band meanwhile
    // becomes the band's next free serial. On the working file, which this program
    // alone writes, the entry line's own values are those and the row is stored as given.
    std::optional<QsoRow> save(const QsoEntry &qso, QString *error = nullptr);
    // Rewrites every column of row `id`. Returns the stored row, or nothing on failure.
    std::optional<QsoRow> update(qint64 id, const QsoEntry &qso, QString *error = nullptr);
    bool remove(qint64 id, QString *error = nullptr);

    // The LIKE pattern of a band: the band text trimmed, with LIKE's wildcards escaped.
    static QString bandPattern(const QString &band);
    // The condition that selects a band's rows; its one value is bandPattern(band).
    static QString bandCondition();
    // A LIKE pattern that finds `text` anywhere, with `\`, `%` and `_` escaped (ESCAPE '\').
    static QString containsPattern(const QString &text);
    // The columns every row statement selects, in the order rowFromQuery reads them.
    static QString rowColumns();
    // How a QsoEntry is stored: text columns followed by one blank, numbers as decimal text.
    static QsoRow storedForm(const QsoEntry &qso, qint64 id);
    static QsoRow rowFromQuery(const class QSqlQuery &q);

private:
    bool selectRows(const QString &sql, const QVariantList &values, QVector<QsoRow> &rows, QString *error) const;
    bool begin(QString *error);
    QString storedBand(qint64 id, QString *error) const;
    std::optional<QsoRow> insertInTransaction(const QsoEntry &qso, QString *error);
    bool commit(QString *error);
    void rollback();

    QSqlDatabase m_db;
};
