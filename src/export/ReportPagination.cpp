#include "export/ReportPagination.h"

#include <cmath>

namespace ReportPagination {

int rowsPerPage(const Layout &l)
{
    if (!(l.lineHeight > 0))
        return 1;
    const double room = l.pageHeight - l.headerHeight - l.footerHeight;
    // A hair of tolerance, so that a page planned for exactly n lines holds n.
    const double n = std::floor(room / l.lineHeight + 1e-9);
    if (!std::isfinite(n) || n < 1)
        return 1;
    return n > 1e9 ? 1000000000 : int(n);
}

QVector<PageRange> paginate(int rowCount, const Layout &layout)
{
    QVector<PageRange> pages;
    const int perPage = rowsPerPage(layout);
    for (int first = 0; first < rowCount; first += perPage)
        pages.append({first, qMin(perPage, rowCount - first)});
    return pages;
}

}
