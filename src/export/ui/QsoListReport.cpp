#include "export/ui/QsoListReport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

// Twips: 1440 to the inch. The report is laid out for a printable width of 8850.
constexpr double kReportWidth = 8850;
constexpr double kHeaderHeight = 2220;
constexpr double kFooterHeight = 450;
constexpr double kLineHeight = 240;
constexpr double kPadding = 40; // keeps neighbouring columns apart

struct Column
{
    double left;
    const char *heading;
    QString QsoRow::*value;
};

const Column kColumns[] = {
    {0, "Date", &QsoRow::date},      {1020, "Time", &QsoRow::time},     {1701, "Call", &QsoRow::call},
    {2721, "RST S", &QsoRow::rsts},  {3515, "Nr S", &QsoRow::nrs},      {4195, "Mode", &QsoRow::mode},
    {4989, "RST R", &QsoRow::rstr},  {5556, "Nr R", &QsoRow::nrr},      {6123, "Locator", &QsoRow::loc},
    {6917, "QRB", &QsoRow::qrb},     {7483, "Bearing", &QsoRow::bearing}, {8277, "Dupe", &QsoRow::dupla},
};
constexpr int kColumnCount = int(sizeof(kColumns) / sizeof(kColumns[0]));

double columnWidth(int i)
{
    const double right = i + 1 < kColumnCount ? kColumns[i + 1].left : kReportWidth;
    return right - kColumns[i].left;
}

QFont reportFont(double pointSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(pointSize * 20)); // painter units are twips: 20 to the point
    f.setBold(bold);
    return f;
}

// Text in a box, cut with an ellipsis when it does not fit.
void drawCell(QPainter &p, const QRectF &box, const QString &text, Qt::Alignment align = Qt::AlignLeft)
{
    const QFontMetricsF fm(p.font());
    const QString shown = fm.elidedText(text, Qt::ElideRight, box.width());
    p.drawText(box, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

}

QsoListReport::QsoListReport(Data data) : m_data(std::move(data)) {}

ReportPagination::Layout QsoListReport::layout(double pageHeightTwips)
{
    return {pageHeightTwips, kHeaderHeight, kFooterHeight, kLineHeight};
}

bool QsoListReport::print(QPrinter *printer) const
{
    QPainter p;
    if (!p.begin(printer))
        return false;
    const QRectF area = printer->pageLayout().paintRectPixels(printer->resolution());
    const double twipsToDevice = printer->resolution() / 1440.0;
    const double widthTwips = area.width() / twipsToDevice;
    const double heightTwips = area.height() / twipsToDevice;
    // A page narrower than the report shrinks it; a wider one centres it.
    const double shrink = widthTwips < kReportWidth ? widthTwips / kReportWidth : 1.0;
    const double offset = (widthTwips - kReportWidth * shrink) / 2;

    const QVector<ReportPagination::PageRange> pages =
        ReportPagination::paginate(int(m_data.rows.size()), layout(heightTwips / shrink));
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        p.resetTransform();
        p.scale(twipsToDevice, twipsToDevice);
        p.translate(offset, 0);
        p.scale(shrink, shrink);
        drawPage(p, pages.at(i), i + 1, int(pages.size()), heightTwips / shrink);
    }
    p.end();
    return true;
}

void QsoListReport::drawPage(QPainter &p, const ReportPagination::PageRange &page, int pageNo, int pageCount,
                             double pageHeight) const
{
    const QPen line(Qt::black, 15);

    // Page header
    p.setPen(Qt::black);
    p.setFont(reportFont(14, true));
    drawCell(p, QRectF(567, 0, 7370, 600), m_data.contest, Qt::AlignHCenter);

    const struct
    {
        double top;
        const char *caption;
        const QString &value;
    } facts[] = {
        {680, "Call:", m_data.call},
        {907, "Locator:", m_data.locator},
        {1134, "Points:", m_data.points},
        {1361, "Band:", m_data.band},
    };
    // The values line up after the widest caption, at 1361 or further right.
    const QFont captionFont = reportFont(9, true);
    double valueLeft = 1361;
    for (const auto &f : facts)
        valueLeft = qMax(valueLeft, 680 + QFontMetricsF(captionFont).horizontalAdvance(QLatin1String(f.caption)) + 100);
    for (const auto &f : facts) {
        p.setFont(captionFont);
        drawCell(p, QRectF(680, f.top, valueLeft - 680, 227), QLatin1String(f.caption));
        p.setFont(reportFont(9));
        drawCell(p, QRectF(valueLeft, f.top, kReportWidth - valueLeft, 227), f.value.trimmed());
    }

    p.setPen(line);
    p.drawLine(QPointF(0, 1928), QPointF(kReportWidth, 1928));
    p.drawLine(QPointF(0, 2154), QPointF(kReportWidth, 2154));
    p.setPen(Qt::black);
    p.setFont(reportFont(7.5, true));
    for (int c = 0; c < kColumnCount; ++c)
        drawCell(p, QRectF(kColumns[c].left, 1928, columnWidth(c) - kPadding, 2154 - 1928),
                 QLatin1String(kColumns[c].heading));

    // Detail lines
    p.setFont(reportFont(7.5));
    double top = kHeaderHeight;
    for (int i = page.first; i < page.first + page.count; ++i) {
        const QsoRow &row = m_data.rows.at(i);
        for (int c = 0; c < kColumnCount; ++c)
            drawCell(p, QRectF(kColumns[c].left, top, columnWidth(c) - kPadding, kLineHeight),
                     (row.*kColumns[c].value).trimmed());
        top += kLineHeight;
    }

    // Page footer, at the bottom of the printable area
    const double footerTop = pageHeight - kFooterHeight;
    p.setPen(line);
    p.drawLine(QPointF(0, footerTop + 60), QPointF(kReportWidth, footerTop + 60));
    p.setPen(Qt::black);
    p.setFont(reportFont(8));
    const QRectF textRow(0, footerTop + 120, 0, kLineHeight);
    drawCell(p, textRow.adjusted(1134, 0, 6350 - kPadding, 0),
             QStringLiteral("Page %1 of %2").arg(pageNo).arg(pageCount));
    drawCell(p, textRow.adjusted(6350, 0, 7370 - kPadding, 0), m_data.date);
    drawCell(p, textRow.adjusted(7370, 0, kReportWidth, 0), QStringLiteral("Brelog "));
}
