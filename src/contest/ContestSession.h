#pragma once
#include "platform/ProgramFolder.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class QSettings;
class QTcpSocket;
class QTimer;

// The shared contest database this PC logs into, kept in brelog.ini (group
// ContestServer) without a password; empty for the working file contest.mdb.
struct ContestServerChoice
{
    QString url;

    static ContestServerChoice read(QSettings &ini);
    void write(QSettings &ini) const;
};

// The connection to the contest database: the working file `contest.mdb`
// in the program folder, or, when a server is set, the PostgreSQL database several
// PCs share. Opened at start-up; closed and reopened when the working file is replaced
// (new contest, opening a saved one); closed for good at exit.
//
// On a server the session listens for the changes other PCs commit and reports them
// band by band, watches the connection, and reconnects by itself after it was lost.
class ContestSession : public QObject
{
    Q_OBJECT
public:
    explicit ContestSession(const ProgramFolder &folder, QObject *parent = nullptr);
    ~ContestSession() override;

    const ProgramFolder &folder() const { return m_folder; }
    QString path() const; // program folder + contest.mdb
    // The server address in use ("postgresql://user@host:port/name"), or empty for the
    // working file. Takes effect at the next open().
    QString serverUrl() const { return m_serverUrl; }
    void setServerUrl(const QString &url) { m_serverUrl = url.trimmed(); }
    bool usesServer() const { return !m_serverUrl.isEmpty(); }

    bool open(QString *error = nullptr);
    void close();
    bool isOpen() const { return m_db.isValid() && m_db.isOpen(); }
    // False while the server cannot be reached; always true for the working file.
    bool isConnected() const { return usesServer() ? m_connected : isOpen(); }
    QSqlDatabase database() const { return m_db; }

    // Checks the server connection now; after a loss, tries to connect again.
    void checkConnection();
    // How often the server connection is checked (and retried after a loss).
    void setCheckInterval(int ms);

signals:
    // Before the connection closes: holders of the database handle let go of it.
    void aboutToClose();
    // After the connection was (re)opened on a file whose content may differ.
    void reopened();
    // Another PC committed a change on `band` (a band label), or replaced the whole
    // contest (ContestDatabase::everythingChanged()), or wrote the contest data
    // (ContestDatabase::settingsChanged()).
    void changedElsewhere(const QString &what);
    // The server connection was lost or is back.
    void connectionChanged(bool connected);

private:
    bool openDatabase(QString *error);
    void dropConnection();
    void setConnected(bool connected);
    void probeServer();
    void reconnect();
    void onNotification(const QString &name, int source, const QVariant &payload);

    ProgramFolder m_folder;
    QSqlDatabase m_db;
    QString m_serverUrl;
    bool m_connected = true;
    QTimer *m_check = nullptr;
    QTcpSocket *m_probe = nullptr; // reaches the server's port before logging in again
};
