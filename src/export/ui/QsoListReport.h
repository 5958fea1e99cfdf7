#pragma once
#include "contestlog/QsoRow.h"
#include "export/ReportPagination.h"

#include <QString>
#include <QVector>

class QPainter;
class QPrinter;

// The printed list of a band's QSOs: on every page a header with the contest name,
// call sign, locator, points and band over the column headings, one line per QSO in
// stored order, and a footer "Page n of N", the date and the program name. Drawn by
// the program itself on the printer, so the preview, the paper and a PDF agree.
class QsoListReport
{
public:
    struct Data
    {
        QString contest; // Text1
        QString call;    // Text6
        QString locator; // Text8
        QString points;  // Text13 of the main window
        QString band;    // the band selector's text
        QString date;    // the date printed in the footer
        QVector<QsoRow> rows;
    };

    explicit QsoListReport(Data data);

    // Page layout in twips for a printable area of `pageHeightTwips`.
    static ReportPagination::Layout layout(double pageHeightTwips);

    // Draws every page on `printer` (which must be ready for painting). Returns false
    // when the painter could not start.
    bool print(QPrinter *printer) const;

private:
    void drawPage(QPainter &p, const ReportPagination::PageRange &page, int pageNo, int pageCount,
                  double pageHeight) const;

    Data m_data;
};
