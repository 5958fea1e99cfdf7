#pragma once
#include <QWidget>

class QLabel;
class QTimer;
class XpProgressBar;

// The start-up window: the program's picture, its purpose, disclaimer and version,
// and a bar that fills in 100 timer ticks before the main window takes over.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    // Interval of one tick; 100 ticks keep the splash under a second.
    static constexpr int TickMs = 7;

    explicit SplashWindow(QWidget *parent = nullptr);

    // Starts the timer; the window is shown by the caller.
    void start();
    static QPixmap picture();

signals:
    // The bar is full. Emitted before the splash closes itself, so that the next
    // window is already up when this one goes.
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tick();

    XpProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;
};
