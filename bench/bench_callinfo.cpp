// One keystroke in the call field with the call-sign information at full size: the
// whole country data, 100,000 known stations and a band of 32,766 QSOs. Measures
// the change handler's work (duplicate test, prefix lookup, new-country check,
// known-stations search with the list's model update on a real QTableView) and a bare
// QLineEdit keystroke as the floor, in the same run.
//
//   bench_callinfo [--smoke]

#include "support/BenchFigures.h"
#include "callinfo/KnownStations.h"
#include "callinfo/PrefixTables.h"
#include "callinfo/ui/CallInfoController.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryLine.h"
#include "contest/ContestContext.h"
#include "platform/SqliteDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

namespace {

const char *const kPrefixes[] = {"9A", "S5", "OE", "HA", "YU", "E7", "LZ", "YO", "DL", "OK", "OM", "SP", "I",
                                 "F",  "G",  "ON", "PA", "EA", "CT", "SM", "OH", "LA", "OZ", "UA", "UR", "SV",
                                 "4O", "Z3", "T9", "HB9", "LY", "YL", "ES", "EW", "ER", "TA", "5B", "IT9", "EA8"};

QString randomCall(QRandomGenerator &rng)
{
    QString c = QString::fromLatin1(kPrefixes[rng.bounded(int(std::size(kPrefixes)))]);
    c += QChar(u'0' + rng.bounded(10));
    const int letters = 1 + rng.bounded(3);
    for (int i = 0; i < letters; ++i)
        c += QChar(u'A' + rng.bounded(26));
    if (rng.bounded(10) == 0)
        c += QStringLiteral("/P");
    return c;
}

QString randomLocator(QRandomGenerator &rng)
{
    QString l;
    l += QChar(u'A' + rng.bounded(18));
    l += QChar(u'A' + rng.bounded(18));
    l += QChar(u'0' + rng.bounded(10));
    l += QChar(u'0' + rng.bounded(10));
    l += QChar(u'A' + rng.bounded(24));
    l += QChar(u'A' + rng.bounded(24));
    return l;
}

bool writeStations(const QString &path, int count, QRandomGenerator &rng)
{
    if (!KnownStations::ensureDatabase(path))
        return false;
    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("bench"), &error);
    bool ok = db.transaction();
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO evidencija (pozivni, lokator) VALUES (?, ?)"));
        for (int i = 0; ok && i < count; ++i) {
            q.addBindValue(randomCall(rng) + QLatin1Char(' '));
            q.addBindValue(randomLocator(rng) + QLatin1Char(' '));
            ok = q.exec();
        }
    }
    ok = ok && db.commit();
    SqliteDatabase::close(db);
    return ok;
}

}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    const int stationCount = smoke ? 2000 : 100000;
    const int qsoCount = smoke ? 500 : 32766;
    const int callsToType = smoke ? 10 : 120;

    QTemporaryDir dir;
    ContestContext context(dir.path());
    QFile::copy(QStringLiteral(BRELOG_BIN_DIR "/znakovi.mdb"), dir.filePath(QStringLiteral("znakovi.mdb")));
    QRandomGenerator rng(20230502);
    QElapsedTimer setup;
    setup.start();
    if (!writeStations(dir.filePath(QStringLiteral("evidencija.mdb")), stationCount, rng)) {
        std::fprintf(stderr, "bench_callinfo: cannot write the known stations\n");
        return 1;
    }
    const auto tables = PrefixTables::load(dir.filePath(QStringLiteral("znakovi.mdb")));
    if (tables->prefixes().isEmpty()) {
        std::fprintf(stderr, "bench_callinfo: no country data in %s\n", BRELOG_BIN_DIR "/znakovi.mdb");
        return 1;
    }

    // The band: the first QSO of each country carries its name, the others "-".
    EntrySession session(context);
    BandLogModel &band = session.log();
    {
        QVector<QsoRow> rows;
        rows.reserve(qsoCount);
        QSet<QString> worked;
        for (int i = 0; i < qsoCount; ++i) {
            QsoRow r;
            r.id = i + 1;
            r.call = randomCall(rng) + QLatin1Char(' ');
            r.nrs = QString::number(i + 1);
            const int p = tables->firstPrefixRow(r.call.left(2));
            const QString country = p >= 0 && tables->country(tables->prefixes().at(p).masterPrefix)
                                        ? tables->country(tables->prefixes().at(p).masterPrefix)->name
                                        : QString();
            r.dxccd = (country.isEmpty() ? QString() : worked.contains(country) ? QStringLiteral("-") : country)
                      + QLatin1Char(' ');
            worked.insert(country);
            r.dodatak1 = QStringLiteral("144 MHz ");
            rows.append(r);
        }
        band.reset(std::move(rows));
    }

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    EntryLine entry;
    auto add = [&](auto *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        layout->addWidget(w);
        return w;
    };
    entry.Text2 = add(new QLineEdit, "Text2");
    entry.Text4 = add(new QLineEdit, "Text4");
    entry.Text4->setText(QString::number(qsoCount + 1));
    entry.Text8 = add(new QLineEdit, "Text8");
    entry.Combo2 = add(new QComboBox, "Combo2");
    entry.Combo2->addItem(QStringLiteral("144 MHz"));
    for (QLabel **l : {&entry.Label17, &entry.Label18, &entry.Label19, &entry.Label26, &entry.Label29,
                       &entry.Label30, &entry.Label31, &entry.Label32, &entry.Label25})
        *l = add(new QLabel, "Label");
    entry.DataGrid2 = add(new QTableView, "DataGrid2");
    entry.session = &session;
    QObject::connect(entry.Text4, &QLineEdit::textChanged, [&](const QString &t) { session.setSerialSent(t); });
    session.setSerialSent(entry.Text4->text());
    QLineEdit *floor = add(new QLineEdit, "floor");

    CallInfoController callInfo(context.folder(), entry);
    callInfo.setPrefixTables(tables);
    // Per step of the handler, for the breakdown.
    QVector<qint64> stepLookup, stepDxcc, stepStations;
    bool measuring = false;
    QObject::connect(entry.Text2, &QLineEdit::textChanged, &window, [&] {
        QElapsedTimer step;
        session.setCall(entry.Text2->text()); // the log entry's duplicate test
        step.start();
        callInfo.LookupPrefix();
        const qint64 a = step.nsecsElapsed();
        callInfo.CheckNewDxcc();
        const qint64 b = step.nsecsElapsed();
        entry.Text28 = entry.Text2->text();
        callInfo.FindKnownStations();
        const qint64 c = step.nsecsElapsed();
        if (entry.Text2->text().isEmpty())
            callInfo.ClearForEmptyCall();
        if (measuring) {
            stepLookup.append(a);
            stepDxcc.append(b - a);
            stepStations.append(c - b);
        }
    });
    window.resize(420, 700);
    window.show();
    callInfo.start();
    QCoreApplication::processEvents();
    const double setupMs = setup.elapsed();

    QVector<qint64> handler, withPaint, bare, emptying;
    QStringList typedTexts;
    QElapsedTimer t;
    for (int c = 0; c < callsToType; ++c) {
        const QString call = randomCall(rng);
        // Emptying the field (Backspace over a selected call, or the entry reset) lists
        // every known station again.
        entry.Text2->setFocus();
        entry.Text2->selectAll();
        t.start();
        QTest::keyClick(entry.Text2, Qt::Key_Backspace);
        emptying.append(t.nsecsElapsed());
        floor->clear();
        QCoreApplication::processEvents();
        for (QChar ch : call) {
            entry.Text2->setFocus();
            measuring = true;
            t.start();
            QTest::keyClick(entry.Text2, ch.toLatin1());
            measuring = false;
            const qint64 h = t.nsecsElapsed();
            QCoreApplication::processEvents(); // the list and labels repaint
            withPaint.append(t.nsecsElapsed());
            typedTexts << entry.Text2->text();
            handler.append(h);

            floor->setFocus();
            t.start();
            QTest::keyClick(floor, ch.toLatin1());
            QCoreApplication::processEvents();
            bare.append(t.nsecsElapsed());
        }
    }

    // The search alone, on the same texts, to tell it from the list's update.
    QVector<qint64> searchOnly;
    for (const QString &text : std::as_const(typedTexts)) {
        t.start();
        const KnownStations::Result r = callInfo.knownStations().find(text);
        searchOnly.append(t.nsecsElapsed());
        Q_UNUSED(r);
    }
    const BenchFigures so = benchFigures(searchOnly, 1e6);
    const BenchFigures h = benchFigures(handler, 1e6), p = benchFigures(withPaint, 1e6),
                       b = benchFigures(bare, 1e6);
    std::printf("bench_callinfo%s: %d prefix rows, %d countries, %d known stations, %d QSOs on the band, "
                "%d keystrokes (setup %.0f ms)\n",
                smoke ? " (smoke)" : "", int(tables->prefixes().size()), int(tables->countries().size()),
                callInfo.knownStations().size(), band.size(), int(handler.size()), setupMs);
    std::printf("  call-field keystroke, handlers only : median %.3f ms  p99 %.3f ms  max %.3f ms\n", h.median, h.p99,
                h.max);
    std::printf("  call-field keystroke, with repaint  : median %.3f ms  p99 %.3f ms  max %.3f ms\n", p.median, p.p99,
                p.max);
    std::printf("  bare QLineEdit keystroke (floor)    : median %.3f ms  p99 %.3f ms  max %.3f ms\n", b.median, b.p99,
                b.max);
    const BenchFigures sl = benchFigures(stepLookup, 1e6), sd = benchFigures(stepDxcc, 1e6),
                       ss = benchFigures(stepStations, 1e6);
    std::printf("    LookupPrefix                      : median %.3f ms  p99 %.3f ms\n", sl.median, sl.p99);
    std::printf("    CheckNewDxcc                      : median %.3f ms  p99 %.3f ms\n", sd.median, sd.p99);
    std::printf("    FindKnownStations + list model    : median %.3f ms  p99 %.3f ms\n", ss.median, ss.p99);
    std::printf("      of which the search alone         : median %.3f ms  p99 %.3f ms\n", so.median, so.p99);
    const BenchFigures em = benchFigures(emptying, 1e6);
    std::printf("  emptying the call field (all listed): median %.3f ms  p99 %.3f ms\n", em.median, em.p99);
    std::printf("  ratio to the floor (with repaint)   : median %.1fx  p99 %.1fx\n", p.median / b.median,
                p.p99 / b.p99);
    return 0;
}
