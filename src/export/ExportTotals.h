#pragma once
#include <QString>

// The band totals as the main window displays them, written into the EDI header.
struct ExportTotals
{
    QString qsoCount; // Text11, "QSO's"
    QString points;   // Text13, "Bodovi"
};
