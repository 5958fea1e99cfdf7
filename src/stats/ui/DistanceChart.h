#pragma once
#include "stats/StatsLog.h"

#include <QWidget>

class QChart;
class QChartView;
class QScrollBar;

// The distance chart MSChart1: one bar per QSO, labelled with its call, in log order.
// When the bars would be narrower than a label, the chart shows a stretch of the log
// at a time and the scroll bar under it moves through the rest.
class DistanceChart : public QWidget
{
    Q_OBJECT
public:
    explicit DistanceChart(QWidget *parent = nullptr);

    void setRows(QVector<StatsLog::DistanceRow> rows);
    const QVector<StatsLog::DistanceRow> &rows() const { return m_rows; }
    // The stretch of the log shown: the first row and how many.
    int first() const;
    int shown() const { return m_shown; }
    QScrollBar *scrollBar() const { return m_scroll; }

    // Bars narrower than this carry no call label.
    static constexpr int LabelledBarWidth = 16;
    // A chart of `rows` on its own, sized to show every bar (for the saved picture).
    static QImage picture(const QVector<StatsLog::DistanceRow> &rows);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    void showStretch();

    QVector<StatsLog::DistanceRow> m_rows;
    QChartView *m_view = nullptr;
    QScrollBar *m_scroll = nullptr;
    int m_shown = 0;
    int m_maxQrb = 0;
};
