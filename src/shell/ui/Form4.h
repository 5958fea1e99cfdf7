#pragma once
#include <QWidget>

// About window "O programu": logo, purpose, version, disclaimer, contact and thanks
// lines (Label1 .. Label5) and chameleonButton1 "Odustani", which closes it.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(QWidget *owner = nullptr);

    // Menu "O programu": shows the window without blocking, creating it if needed.
    static Form4 *open(QWidget *owner);
};
