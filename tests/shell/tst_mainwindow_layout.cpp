// The main window on the screens contesters use: it fits 1024x768, uses 1920x1080, and
// the log grid's headers fit in every language.
#include "MainWindowFixture.h"

#include "contestlog/ui/LogEntry.h"
#include "contestlog/BandLogModel.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QtTest>

namespace {

// The part of `w` that lies outside the window, in pixels of width.
int cutOff(QWidget *w, QWidget *window)
{
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    return qMax(0, r.right() - window->rect().right()) + qMax(0, r.bottom() - window->rect().bottom());
}

void useLanguage(TempProgramFolder &folder, const QString &language)
{
    QFile ini(folder.file(QStringLiteral("jezik/jezik.ini")));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ini.write(language.toUtf8() + "\n");
}

}

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MainWindowFixture::closeMessageWindows(); }

    // 1024x768 less a window frame: the clock and the known-stations list stay whole,
    // while entering and while a QSO is edited (QRB, bearing and duplicate shown).
    void fitsTheSmallestScreen_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("entering a QSO") << false;
        QTest::newRow("editing a QSO") << true;
    }
    void fitsTheSmallestScreen()
    {
        QFETCH(bool, editing);
        MainWindowFixture f;
        Form1 &w = f.window();
        f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86cd"));
        QCOMPARE(f.storedCount(), 1);
        if (editing)
            w.logEntry().onGridRowPicked(0);
        w.resize(1016, 730);
        QCoreApplication::processEvents();
        QVERIFY2(w.width() <= 1016, qPrintable(QString::number(w.minimumSizeHint().width())));
        QVERIFY2(w.height() <= 730, qPrintable(QString::number(w.minimumSizeHint().height())));
        for (const char *name : {"picFrame", "DataGrid2", "DataGrid1", "Text8", "Combo2", "Text13"}) {
            auto *part = w.findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(part, name);
            QVERIFY2(cutOff(part, &w) == 0, name);
        }
        if (editing)
            QVERIFY(cutOff(w.entry().Text15, &w) == 0 && w.entry().Text15->isVisible());
    }

    // On a large screen the window grows, the grid's columns share the extra width and
    // the grid opens on its first column.
    void largeScreenWidthIsShared()
    {
        MainWindowFixture f;
        Form1 &w = f.window();
        QTableView *grid = w.entry().DataGrid1;
        w.resize(1900, 1000);
        QCoreApplication::processEvents();
        const QHeaderView *h = grid->horizontalHeader();
        int sum = 0, widest = 0;
        for (int c = 0; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            sum += h->sectionSize(c);
            widest = qMax(widest, h->sectionSize(c));
        }
        QVERIFY2(qAbs(sum - grid->viewport()->width()) <= 2, qPrintable(QStringLiteral("%1 of %2").arg(sum).arg(grid->viewport()->width())));
        // No column takes the extra width alone.
        QVERIFY2(h->sectionSize(BandLogModel::Date) < 2 * h->sectionSize(BandLogModel::Loc),
                 qPrintable(QString::number(h->sectionSize(BandLogModel::Date))));
        QVERIFY(widest < grid->viewport()->width() / 4);
        QCOMPARE(grid->horizontalScrollBar()->value(), 0);
    }

    void gridOpensOnItsFirstColumn()
    {
        MainWindowFixture f;
        Form1 &w = f.window();
        w.resize(1016, 730);
        for (int i = 0; i < 3; ++i)
            f.typeQso(QStringLiteral("S5%1A").arg(i), QStringLiteral("1"), QStringLiteral("86cd"));
        QCoreApplication::processEvents();
        QCOMPARE(w.entry().DataGrid1->horizontalScrollBar()->value(), 0);
    }

    // Each column is at least as wide as its header in the language chosen.
    void gridHeadersFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *l : {"hrvatski", "engleski", "polski", "slovacki"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void gridHeadersFitInEveryLanguage()
    {
        QFETCH(QString, language);
        MainWindowFixture f({3, 4}, TestSupport::sampleSettings(),
                            [&](TempProgramFolder &folder) { useLanguage(folder, language); });
        Form1 &w = f.window();
        w.resize(1016, 730);
        QCoreApplication::processEvents();
        QHeaderView *h = w.entry().DataGrid1->horizontalHeader();
        for (int c = 0; c < h->count(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            const QString text = w.logModel().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            const int need = h->sectionSizeHint(c); // the header's own need: text and margins
            QVERIFY2(h->sectionSize(c) >= need,
                     qPrintable(QStringLiteral("%1: %2 < %3").arg(text).arg(h->sectionSize(c)).arg(need)));
        }
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindow_layout.moc"
