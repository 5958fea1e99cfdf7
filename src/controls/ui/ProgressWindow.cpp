#include "controls/ui/ProgressWindow.h"

#include "controls/ui/XpProgressBar.h"

#include <QTimer>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmSplash1"));
    setAttribute(Qt::WA_DeleteOnClose);
    ProgressBar1 = new XpProgressBar(QStringLiteral("ProgressBar1"), this);
    ProgressBar1->setFixedSize(320, 18);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(ProgressBar1);
    setAutoFillBackground(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &ProgressWindow::tick);
    Timer1->start();
}

ProgressWindow *ProgressWindow::showProgress(QWidget *mainWindow)
{
    auto *w = new ProgressWindow(mainWindow);
    w->adjustSize();
    if (mainWindow) {
        const QRect g = mainWindow->frameGeometry();
        w->move(g.center() - w->rect().center());
    }
    w->show();
    return w;
}

void ProgressWindow::tick()
{
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() < 100)
        return;
    Timer1->stop();
    emit finished();
    close();
    if (m_mainWindow) {
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}
