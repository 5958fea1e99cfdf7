#include "TestSupport.h"

#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "platform/SqliteDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

TempProgramFolder::TempProgramFolder(bool withContestDatabase)
{
    if (!m_dir.isValid()) {
        m_context = std::make_unique<ContestContext>(m_dir.path());
        return;
    }
    // The build's program folder holds what is shipped, including generated data.
    QDir bin(QStringLiteral(BRELOG_BIN_DIR));
    const QString shipped = bin.exists(QStringLiteral("jezik")) || bin.exists(QStringLiteral("znakovi.mdb"))
                                ? bin.path()
                                : QStringLiteral(BRELOG_DATA_DIR);
    TestSupport::copyTree(shipped, m_dir.path());
    // The build's language choice may have been changed by hand; tests start from the shipped one.
    QFile::remove(m_dir.filePath(QStringLiteral("jezik/jezik.ini")));
    QFile::copy(QStringLiteral(BRELOG_DATA_DIR "/jezik/jezik.ini"), m_dir.filePath(QStringLiteral("jezik/jezik.ini")));
    for (const char *name : {"contest.mdb", "evidencija.mdb", "brelog", "brelog.lock", "brelog.ini"})
        QFile::remove(m_dir.filePath(QString::fromLatin1(name)));
    QDir(m_dir.filePath(QStringLiteral("log"))).removeRecursively();
    QDir(m_dir.filePath(QStringLiteral("BackUp"))).removeRecursively();
    if (withContestDatabase) {
        QString error;
        ContestDatabase::createFile(m_dir.filePath(QStringLiteral("contest.mdb")), &error);
    }
    m_context = std::make_unique<ContestContext>(m_dir.path());
}

QString TempProgramFolder::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

namespace TestSupport {

bool copyTree(const QString &from, const QString &to)
{
    QDir src(from);
    if (!src.exists())
        return false;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString f = it.next();
        const QString rel = src.relativeFilePath(f);
        if (rel.startsWith(QLatin1String("BackUp/")) || rel.startsWith(QLatin1String("log/")))
            continue;
        const QString target = QDir(to).filePath(rel);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        ok = QFile::copy(f, target) && ok;
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return ok;
}

ContestSettings sampleSettings(const QString &ownLocator)
{
    ContestSettings s;
    s.nazivNatjecanja = QStringLiteral("Test Contest");
    s.trajeOd = QStringLiteral("2026-05-02");
    s.trajeDo = QStringLiteral("2026-05-03");
    s.pozivniZnak = QStringLiteral("9A1TEST");
    s.lokator = ownLocator;
    for (int k = 1; k <= 15; ++k) {
        s.bands[k].band = BandLabels::label(k);
        s.bands[k].snaga = QStringLiteral("100");
        s.bands[k].transOsc = QStringLiteral("0");
        s.bands[k].mode = QStringLiteral("SSB");
    }
    return s;
}

bool addBands(const QString &contestDbPath, const QList<int> &bands, const ContestSettings &settings)
{
    QString error;
    QSqlDatabase db = SqliteDatabase::open(contestDbPath, QStringLiteral("test-bands"), &error);
    if (!db.isValid())
        return false;
    bool ok = true;
    for (int k : bands) {
        ContestSettings s = settings;
        s.bands[k].band = BandLabels::label(k);
        ok = ContestSettingsTable::insertBandRow(db, s, k, &error) && ok;
    }
    SqliteDatabase::close(db);
    return ok;
}

QsoEntry sampleQso(const QString &call, const QString &band, qint64 serial, const QString &locator)
{
    QsoEntry e;
    e.time = QStringLiteral("12:34");
    e.call = call;
    e.rsts = 59;
    e.nrs = serial;
    e.mode = QStringLiteral("SSB");
    e.rstr = 59;
    e.nrr = 1;
    e.loc = locator;
    e.qrb = 121;
    e.bearing = 6;
    e.date = QStringLiteral("2026-05-02");
    e.dupla = QStringLiteral("-");
    e.longitu = QStringLiteral("16.2083");
    e.latitu = QStringLiteral("46.1458");
    e.band = band;
    return e;
}

}

TmpfsMount::TmpfsMount(int sizeKb)
{
    if (::geteuid() != 0) {
        m_skipReason = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    QProcess p;
    p.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1k,mode=0755").arg(sizeKb), QStringLiteral("tmpfs"),
                                      m_dir.path()});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_skipReason = QStringLiteral("cannot mount a tmpfs here: %1")
                           .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return;
    }
    m_mounted = true;
}

TmpfsMount::~TmpfsMount()
{
    if (!m_mounted)
        return;
    QProcess p;
    p.start(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
    p.waitForFinished(10000);
}

QString TmpfsMount::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

bool TmpfsMount::fill()
{
    QFile f(file(QStringLiteral(".filler")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (f.write(block) == block.size()) {
    }
    // Whatever the last block left: byte by byte up to the last one.
    while (f.write("f", 1) == 1) {
    }
    return true;
}

bool TmpfsMount::setReadOnly(bool readOnly)
{
    QProcess p;
    p.start(QStringLiteral("mount"), {QStringLiteral("-o"), readOnly ? QStringLiteral("remount,ro")
                                                                     : QStringLiteral("remount,rw"),
                                      m_dir.path()});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
