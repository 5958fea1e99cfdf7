#include "stats/ui/SquaresGrid.h"

#include <QHeaderView>
#include <QScrollBar>

SquaresGrid::SquaresGrid(QWidget *parent) : QTableWidget(WorkedSquares::Rows, WorkedSquares::Columns, parent)
{
    setObjectName(QStringLiteral("grid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The 24 fields share the height of the view.
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setStyleSheet(QStringLiteral("QTableWidget#grid { gridline-color: #b8b8b8; }"));
    for (int r = 0; r < WorkedSquares::Rows; ++r)
        for (int c = 0; c < WorkedSquares::Columns; ++c) {
            auto *item = new QTableWidgetItem(WorkedSquares::cellText(r, c));
            item->setTextAlignment(Qt::AlignCenter);
            setItem(r, c, item);
        }
}

void SquaresGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    // About seventeen columns in sight at a time.
    if (m_fitColumns)
        horizontalHeader()->setDefaultSectionSize(std::max(30, viewport()->width() / 17));
}

void SquaresGrid::showWorked(const WorkedSquares::Result &result)
{
    for (const WorkedSquares::Cell &c : std::as_const(m_marked)) {
        item(c.row, c.column)->setBackground(QBrush());
        item(c.row, c.column)->setForeground(QBrush());
    }
    m_marked = result.worked;
    for (const WorkedSquares::Cell &c : std::as_const(m_marked)) {
        item(c.row, c.column)->setBackground(workedColour());
        item(c.row, c.column)->setForeground(Qt::white);
    }
    if (!m_marked.isEmpty()) {
        const WorkedSquares::Cell last = m_marked.last();
        setCurrentCell(last.row, last.column, QItemSelectionModel::NoUpdate);
        scrollToItem(item(last.row, last.column), QAbstractItemView::EnsureVisible);
    }
}

bool SquaresGrid::isWorked(int row, int column) const
{
    const QTableWidgetItem *i = item(row, column);
    return i && i->background().style() != Qt::NoBrush && i->background().color() == workedColour();
}

QImage SquaresGrid::picture(const WorkedSquares::Result &result)
{
    SquaresGrid grid;
    grid.m_fitColumns = false;
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.showWorked(result);
    const int column = grid.fontMetrics().horizontalAdvance(QStringLiteral("WW00")) + 12;
    grid.horizontalHeader()->setDefaultSectionSize(column);
    const int w = column * WorkedSquares::Columns + 2 * grid.frameWidth();
    const int h = grid.verticalHeader()->defaultSectionSize() * WorkedSquares::Rows + 2 * grid.frameWidth();
    grid.resize(w, h);
    grid.setCurrentCell(-1, -1);
    grid.scrollToTop();
    grid.horizontalScrollBar()->setValue(0);
    return grid.grab().toImage();
}
