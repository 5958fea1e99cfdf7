#pragma once
#include <QProgressBar>

// The progress bar of the splash and progress windows (0..100).
class XpProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit XpProgressBar(const QString &objectName, QWidget *parent = nullptr);
};
