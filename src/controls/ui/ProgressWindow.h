#pragma once
#include <QPointer>
#include <QWidget>

class QTimer;
class XpProgressBar;

// The progress window frmSplash1, shown after a copy or an export is written: the bar fills
// in 100 ticks, then the window closes itself and brings the main window forward.
class ProgressWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TickMs = 4;

    explicit ProgressWindow(QWidget *mainWindow = nullptr);
    // Shows a progress window (a new one each time) and returns it.
    static ProgressWindow *showProgress(QWidget *mainWindow);

signals:
    void finished();

private:
    void tick();

    QPointer<QWidget> m_mainWindow;
    XpProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;
};
