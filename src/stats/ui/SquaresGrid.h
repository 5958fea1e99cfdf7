#pragma once
#include "stats/WorkedSquares.h"

#include <QTableWidget>

// The grid of the 2,400 squares IQ00 .. LL99 with the worked ones on red.
class SquaresGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit SquaresGrid(QWidget *parent = nullptr);

    // Colours exactly the cells of `result` (earlier marks are taken away) and makes the
    // last square found the current cell, in sight.
    void showWorked(const WorkedSquares::Result &result);
    bool isWorked(int row, int column) const;

    static QColor workedColour() { return QColor(255, 0, 0); }
    // The whole grid with every cell in sight (for the saved picture).
    static QImage picture(const WorkedSquares::Result &result);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QVector<WorkedSquares::Cell> m_marked;
    bool m_fitColumns = true; // about seventeen columns in sight; off for the picture
};
