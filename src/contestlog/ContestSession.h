#pragma once
#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The program-wide connection to the working contest database `contest.mdb` in the
// program folder. Opened at start-up; closed and reopened when the working file is
// replaced (new contest, opening a saved one); closed for good at exit.
class ContestSession : public QObject
{
    Q_OBJECT
public:
    static ContestSession &instance();

    QString path() const;             // program folder + contest.mdb
    bool open(QString *error = nullptr);
    void close();
    bool isOpen() const { return m_db.isValid() && m_db.isOpen(); }
    QSqlDatabase database() const { return m_db; }

signals:
    // Before the connection closes: holders of the database handle let go of it.
    void aboutToClose();
    // After the connection was (re)opened on a file whose content may differ.
    void reopened();

private:
    ContestSession() = default;
    QSqlDatabase m_db;
};
