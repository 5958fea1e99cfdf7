#include "stats/ui/DistanceChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHash>
#include <QScrollBar>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Room the chart takes besides its bars: the value axis on the left, the margins.
constexpr int ChartFrame = 90;

int maxQrb(const QVector<StatsLog::DistanceRow> &rows)
{
    int m = 0;
    for (const auto &r : rows)
        m = std::max(m, r.qrb);
    return m;
}

// Fills `chart` with the bars of rows [first, first + count).
void fillChart(QChart *chart, const QVector<StatsLog::DistanceRow> &rows, int first, int count, int maxValue,
               bool labelled)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);

    auto *set = new QBarSet(QStringLiteral("QRB"));
    set->setColor(QColor(0x3a, 0x6e, 0xa5));
    set->setBorderColor(QColor(0x2a, 0x50, 0x7a));
    QStringList calls;
    QList<qreal> values;
    values.reserve(count);
    // Categories must differ: a call worked twice gets invisible zero-width spaces.
    QHash<QString, int> seen;
    for (int i = first; i < first + count; ++i) {
        values << rows.at(i).qrb;
        const QString call = labelled ? rows.at(i).call : QString::number(i + 1);
        const int before = seen[call]++;
        calls << (before == 0 ? call : call + QString(before, QChar(0x200B)));
    }
    set->append(values);
    auto *series = new QBarSeries;
    series->setBarWidth(0.8);
    series->append(set);
    chart->addSeries(series);

    auto *x = new QBarCategoryAxis;
    x->append(calls);
    x->setLabelsAngle(-90);
    x->setGridLineVisible(false);
    x->setLabelsVisible(labelled);
    x->setTruncateLabels(false); // rotated calls fit even where the bar is narrower
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);

    auto *y = new QValueAxis;
    y->setRange(0, std::max(10, maxValue) * 1.05);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(QStringLiteral("km"));
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
}

QChart *newChart()
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

}

DistanceChart::DistanceChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MSChart1"));
    m_view = new QChartView(newChart(), this);
    m_view->setRenderHint(QPainter::Antialiasing, false);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("chartScroll"));
    m_scroll->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_scroll);
    connect(m_scroll, &QScrollBar::valueChanged, this, &DistanceChart::showStretch);
}

void DistanceChart::setRows(QVector<StatsLog::DistanceRow> rows)
{
    m_rows = std::move(rows);
    m_maxQrb = maxQrb(m_rows);
    m_shown = -1;
    fit();
}

int DistanceChart::first() const
{
    return m_scroll->value();
}

void DistanceChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fit();
}

void DistanceChart::fit()
{
    const int room = std::max(1, (width() - ChartFrame) / LabelledBarWidth);
    const int shown = std::min<int>(m_rows.size(), room);
    const bool needsScroll = shown < m_rows.size();
    if (shown == m_shown && needsScroll == !m_scroll->isHidden())
        return;
    m_shown = shown;
    {
        const QSignalBlocker block(m_scroll);
        m_scroll->setRange(0, std::max(0, int(m_rows.size()) - shown));
        m_scroll->setPageStep(std::max(1, shown));
        m_scroll->setSingleStep(1);
    }
    m_scroll->setVisible(needsScroll);
    showStretch();
}

void DistanceChart::showStretch()
{
    fillChart(m_view->chart(), m_rows, m_scroll->value(), m_shown, m_maxQrb, true);
}

QImage DistanceChart::picture(const QVector<StatsLog::DistanceRow> &rows)
{
    // Every QSO in the picture; past a few hundred bars the calls no longer fit and
    // the bars go without labels.
    constexpr int MaxWidth = 4000;
    const int n = int(rows.size());
    const bool labelled = ChartFrame + n * LabelledBarWidth <= MaxWidth;
    const int width = labelled ? std::max(800, ChartFrame + n * LabelledBarWidth) : 1600;
    QChartView view(newChart());
    view.setRenderHint(QPainter::Antialiasing, false);
    view.resize(width, 520);
    fillChart(view.chart(), rows, 0, n, maxQrb(rows), labelled);
    return view.grab().toImage();
}
