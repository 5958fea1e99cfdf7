#pragma once
#include <QVector>

// Splitting the lines of a printed list into pages. Heights in any one unit.
namespace ReportPagination {

struct Layout
{
    double pageHeight = 0;   // printable height of a page
    double headerHeight = 0; // page header, on every page
    double footerHeight = 0; // page footer, on every page
    double lineHeight = 0;   // one detail line
};

struct PageRange
{
    int first = 0; // index of the first row on the page
    int count = 0; // rows on the page
    bool operator==(const PageRange &o) const { return first == o.first && count == o.count; }
};

// Detail lines that fit between header and footer; at least one, so that a page too
// small for its header still makes progress.
int rowsPerPage(const Layout &layout);

// The pages of `rowCount` rows in order; no page for no row.
QVector<PageRange> paginate(int rowCount, const Layout &layout);

}
