#include "StoredRows.h"
#include "MainWindowFixture.h"

#include "contest/ContestContext.h"
#include "controls/ui/MessageWindow.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

MainWindowFixture::MainWindowFixture(const QList<int> &bands, const ContestSettings &settings,
                                     const std::function<void(TempProgramFolder &)> &prepare)
    : m_folder(std::make_unique<TempProgramFolder>())
{
    TestSupport::addBands(m_folder->file(QStringLiteral("contest.mdb")), bands, settings);
    if (prepare)
        prepare(*m_folder);
    m_window = std::make_unique<Form1>(m_platform.platform(), m_folder->context());
    m_window->show();
    m_window->activateWindow();
    QApplication::setActiveWindow(m_window.get());
    m_window->entry().Text1->setText(QStringLiteral("12:34"));
    m_window->entry().Text14->setText(QStringLiteral("2026-05-02"));
    m_window->entry().Text2->setFocus();
}

MainWindowFixture::~MainWindowFixture()
{
    closeMessageWindows();
    m_window.reset();
    m_folder->context().session().close();
}

void MainWindowFixture::closeMessageWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<MessageWindow *>(w))
            delete w;
}

void MainWindowFixture::typeQso(const QString &call, const QString &serialReceived, const QString &locatorRest)
{
    EntryLine &e = m_window->entry();
    e.Text2->setFocus();
    QTest::keyClicks(e.Text2, call);
    QTest::keyClick(e.Text2, Qt::Key_Tab);   // received report
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // received serial
    QTest::keyClicks(QApplication::focusWidget(), serialReceived);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // locator, field letters kept
    QTest::keyClicks(QApplication::focusWidget(), locatorRest);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

QStringList MainWindowFixture::storedRows(const QString &extraColumns) const
{
    return TestSupport::storedRows(m_folder->context().database(),
                                   QStringLiteral("Call, NrS, QRB, Bearing, Dupla, Loc")
                                       + (extraColumns.isEmpty() ? QString() : QStringLiteral(", ") + extraColumns));
}

int MainWindowFixture::storedCount() const
{
    return TestSupport::storedCount(m_folder->context().database());
}
