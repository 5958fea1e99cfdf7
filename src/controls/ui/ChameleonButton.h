#pragma once
#include <QPushButton>

// The push button used on every window: a caption, a click and a hover state.
class ChameleonButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ChameleonButton(const QString &objectName, const QString &caption, QWidget *parent = nullptr);
};
