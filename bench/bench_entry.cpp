// Keystroke and save latency of the real main window on a large band, with the full
// country data and a large known-stations database.
//   bench_entry [--smoke] [--stations N]   (N defaults to 100,000)
// Prints medians and p99 of (a) one keystroke in the call field, from the key event
// to all its handlers done (duplicate test, prefix lookup, new country, known-stations
// list), (b) Enter to saved-and-reset, (c) the same keystroke into a bare QLineEdit,
// and (d) the floor of a save: one bare SQLite INSERT and COMMIT with the program's
// pragmas on the same disk, each measured in the same run.
#include "support/BenchFigures.h"
#include "MainWindowFixture.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contestlog/ui/EntryLine.h"
#include "platform/SqliteDatabase.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <algorithm>
#include <memory>
#include <cstdio>

namespace {

double keystroke(QWidget *w, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c.toUpper().unicode() - 'A'), Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + (c.toUpper().unicode() - 'A'), Qt::NoModifier, QString(c));
    QElapsedTimer t;
    t.start();
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
    return double(t.nsecsElapsed()) / 1e6;
}

double enter(QWidget *w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QElapsedTimer t;
    t.start();
    QApplication::sendEvent(w, &press);
    return double(t.nsecsElapsed()) / 1e6;
}

void fillStations(const QString &path, int count)
{
    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("bench-stations"), &error);
    QSqlQuery q(db);
    q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS evidencija (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "pozivni TEXT, lokator TEXT)"));
    db.transaction();
    q.prepare(QStringLiteral("INSERT INTO evidencija (pozivni, lokator) VALUES (?, ?)"));
    QRandomGenerator rng(7);
    const char *letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const char *prefixes[] = {"DL", "OE", "S5", "9A", "HA", "OK", "OM", "SP", "YU", "I", "F", "G", "PA", "ON", "LZ", "YO"};
    for (int i = 0; i < count; ++i) {
        QString call = QString::fromLatin1(prefixes[rng.bounded(16)]) + QString::number(rng.bounded(10));
        for (int k = 0, n = 2 + int(rng.bounded(2)); k < n; ++k)
            call += QChar(letters[rng.bounded(26)]);
        q.addBindValue(call + QLatin1Char(' '));
        q.addBindValue(QStringLiteral("JN%1%2AB ").arg(rng.bounded(10)).arg(rng.bounded(10)));
        q.exec();
    }
    db.commit();
    q = QSqlQuery();
    SqliteDatabase::close(db);
}

// The floor of a save: one bare INSERT and COMMIT per QSO into a fresh contest file
// beside the real one, opened with the same pragmas. Its saves alternate with the
// entry's, so that both see the same disk at the same time.
class SaveFloor
{
public:
    explicit SaveFloor(const QString &folder) : m_path(folder + QStringLiteral("/floor.mdb"))
    {
        QString error;
        if (ContestDatabase::createFile(m_path, &error))
            m_db = SqliteDatabase::open(m_path, QStringLiteral("bench-floor"), &error);
        m_insert = QSqlQuery(m_db);
        m_insert.prepare(QStringLiteral(
            "INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, QSOs, ODX, Date, "
            "Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) VALUES ('12:00 ', ?, 59, ?, 'SSB ', 59, ?, 'JN86CD ', "
            "121, 6, 0, 0, '2026-05-02 ', 0, '- ', '16.2083 ', '46.1458 ', ' ', '144 MHz ')"));
    }
    ~SaveFloor()
    {
        m_insert = QSqlQuery();
        SqliteDatabase::close(m_db);
        QFile::remove(m_path);
    }
    double save(int i)
    {
        QElapsedTimer t;
        t.start();
        m_db.transaction();
        m_insert.addBindValue(QStringLiteral("F%1LOOR ").arg(i));
        m_insert.addBindValue(i + 1);
        m_insert.addBindValue(i + 1);
        m_insert.exec();
        m_db.commit();
        return double(t.nsecsElapsed()) / 1e6;
    }

private:
    QString m_path;
    QSqlDatabase m_db;
    QSqlQuery m_insert;
};

void fillLog(QSqlDatabase db, int bandQsos, int otherQsos)
{
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, "
                             "QSOs, ODX, Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) VALUES "
                             "('12:00 ', ?, 59, ?, 'SSB ', 59, ?, 'JN86CD ', ?, 6, 0, 0, '2026-05-02 ', 0, '- ', "
                             "'16.2083 ', '46.1458 ', ' ', ?)"));
    auto add = [&](const QString &band, int n) {
        for (int i = 1; i <= n; ++i) {
            q.addBindValue(QStringLiteral("S5%1X ").arg(i));
            q.addBindValue(i);
            q.addBindValue(i);
            q.addBindValue(100 + i % 700);
            q.addBindValue(band + QLatin1Char(' '));
            q.exec();
        }
    };
    add(QStringLiteral("144 MHz"), bandQsos);
    add(QStringLiteral("432 MHz"), otherQsos);
    add(QStringLiteral("1,3 GHz"), otherQsos);
    db.commit();
}

}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    const int bandQsos = smoke ? 500 : 32766;
    const int keystrokes = smoke ? 60 : 600;
    const int saves = smoke ? 20 : 200;
    int stations = smoke ? 1000 : 100000;
    if (const int i = app.arguments().indexOf(QStringLiteral("--stations")); i > 0 && i + 1 < app.arguments().size())
        stations = app.arguments().at(i + 1).toInt();

    MainWindowFixture f({3, 4, 5}, TestSupport::sampleSettings(), [stations](TempProgramFolder &folder) {
        fillStations(folder.file(QStringLiteral("evidencija.mdb")), stations);
    });
    fillLog(f.folder().context().database(), bandQsos, smoke ? 50 : 500);
    Form1 &w = f.window();
    EntryLine &e = w.entry();
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("144 MHz")));
    QApplication::processEvents();
    std::printf("band 144 MHz: %s QSOs, %d known stations, country data %s\n", qPrintable(e.Text11->text()), stations,
                QFileInfo::exists(f.folder().file(QStringLiteral("znakovi.mdb"))) ? "loaded" : "MISSING");

    QRandomGenerator rng(42);
    auto randomCall = [&](int i) {
        if (i % 5 == 0) // every fifth call is already in the log: the duplicate path runs too
            return QStringLiteral("S5%1X").arg(1 + int(rng.bounded(quint32(bandQsos))));
        const char *letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        QString c = QStringLiteral("%1%2%3").arg(QChar(letters[rng.bounded(26)])).arg(rng.bounded(10));
        for (int k = 0; k < 3; ++k)
            c += QChar(letters[rng.bounded(26)]);
        return c;
    };

    // (c) the floor: a bare line edit in a shown window.
    QWidget floorWindow;
    QLineEdit bare(&floorWindow);
    floorWindow.show();
    bare.setFocus();
    std::vector<double> floorTimes, callTimes, saveTimes, afterTimes;
    for (int i = 0; floorTimes.size() < size_t(keystrokes); ++i) {
        const QString call = randomCall(i);
        for (QChar c : call)
            if (c.isLetter())
                floorTimes.push_back(keystroke(&bare, c.toLower()));
        bare.clear();
        QApplication::processEvents();
    }

    // (a) keystrokes in the call field, with all its handlers.
    e.Text2->setFocus();
    for (int i = 0; callTimes.size() < size_t(keystrokes); ++i) {
        const QString call = randomCall(i);
        e.Text2->clear();
        for (QChar c : call) {
            if (c.isLetter())
                callTimes.push_back(keystroke(e.Text2, c.toLower()));
            else
                e.Text2->insert(QString(c));
        }
        QApplication::processEvents();
    }
    e.Text2->clear();

    // (b) Enter to saved and reset, each after one save of the floor (d).
    std::vector<double> floorSaves;
    auto floor = std::make_unique<SaveFloor>(f.folder().path());
    for (int i = 0; i < saves; ++i) {
        floorSaves.push_back(floor->save(i));
        e.Text2->setText(QStringLiteral("B%1ENCH").arg(i));
        e.Text7->setText(QString::number(i + 1));
        e.Text8->setText(QStringLiteral("JN86CD"));
        e.Text8->setFocus();
        saveTimes.push_back(enter(e.Text8));
        QElapsedTimer after;
        after.start();
        QApplication::processEvents();
        afterTimes.push_back(double(after.nsecsElapsed()) / 1e6);
    }
    if (e.Text11->text().toInt() != bandQsos + saves) {
        std::fprintf(stderr, "saves did not all reach the log: %s\n", qPrintable(e.Text11->text()));
        return 1;
    }

    floor.reset();

    const BenchFigures fl = benchFigures(floorTimes), ca = benchFigures(callTimes), sv = benchFigures(saveTimes),
                       fs = benchFigures(floorSaves);
    std::printf("(c) bare QLineEdit keystroke: median %.3f ms, p99 %.3f ms (%zu keys)\n", fl.median, fl.p99,
                floorTimes.size());
    std::printf("(a) call field keystroke:     median %.3f ms, p99 %.3f ms (%zu keys)\n", ca.median, ca.p99,
                callTimes.size());
    std::printf("    ratio to floor: median %.1fx, p99 %.1fx (targets: p99 <= 2 ms and <= 10x without stations; <= 3 ms and <= 15x with them)\n",
                ca.median / fl.median, ca.p99 / fl.p99);
    std::printf("(b) Enter to saved and reset: median %.3f ms, p99 %.3f ms (%zu saves)\n", sv.median, sv.p99,
                saveTimes.size());
    std::printf("(d) bare INSERT + COMMIT:     median %.3f ms, p99 %.3f ms (%zu saves, same pragmas and disk)\n",
                fs.median, fs.p99, floorSaves.size());
    std::printf("    ratio to floor: median %.1fx, p99 %.1fx (target: p99 <= 2x the floor's p99)\n",
                sv.median / fs.median, sv.p99 / fs.p99);
    const BenchFigures af = benchFigures(afterTimes);
    std::printf("(e) events right after the reset (known-station write, repaint): median %.3f ms, p99 %.3f ms\n",
                af.median, af.p99);
    return 0;
}
