#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>

// Per-band station data: one `postavke` row per band.
struct BandSettings
{
    QString kategorija;   // Text4(k)
    QString band;         // Text5(k), the band label
    QString snaga;        // Text21(k), power in W; empty means "no stored row"
    QString transOsc = QStringLiteral("0"); // Text22(k), "0" until something else is entered
    QString rx;           // Text23(k)
    QString tx;           // Text24(k)
    QString antena;       // Text25(k)
    QString visinaAntene; // Text26(k)
    QString nadmorska;    // Text27(k)
    QString komentar;     // Text28(k), several lines
    QString mode = QStringLiteral("FM"); // Combo1(k)
};

// The contest and station data as the contest data dialog holds it. All values are
// texts, trimmed as read from the table.
struct ContestSettings
{
    QString nazivNatjecanja; // Text1
    // DTPicker1/DTPicker2 as yyyy-MM-dd; empty until a date is stored or chosen (the
    // dialog then shows today's date and takes it).
    QString trajeOd;
    QString trajeDo;
    QString pozivniZnak;     // Text6
    QString ime;             // Text7
    QString lokator;         // Text8, the own locator
    QString adresa;          // Text9
    QString klub;            // Text10
    QString operatori;       // Text11
    QString ime1;            // Text12
    QString pozivniZnak1;    // Text13
    QString adresa1;         // Text14
    QString adresa2;         // Text15
    QString postanskiBroj1;  // Text16
    QString mjesto1;         // Text17
    QString drzava1;         // Text18
    QString telefBroj1;      // Text19
    QString homeBbs1;        // Text20
    std::array<BandSettings, 16> bands; // index 1..15 by band number; 0 collects unknown rows
    QStringList bandList;    // List1: stored Band values in load order, then bands added since
    bool loadedFromTable = false;

    // Band label of the first entry of the band list, trimmed (what the main window selects).
    QString firstBand() const;
};

// Empties the state for a new contest: every text field (band fields included) becomes
// empty, band 1 carries its label, every transverter field "0"; the dates, the modes
// and the band list keep their values.
void clearForNewContest(ContestSettings &settings);

// Which required field is missing before the row of band k may be added: the power,
// then the contest name, the call sign and the own locator, in this order. Empty when
// nothing is missing. `forUpdate` checks the power only, as rewriting a row does.
QString missingRequiredField(const ContestSettings &settings, int k, bool forUpdate);

namespace ContestSettingsTable {

// The 33 columns of `postavke` in table order.
const QStringList &columns();

// Loads the settings from `postavke` into `settings` as the dialog's load does: with
// no rows nothing changes; otherwise the band list is rebuilt and the general fields
// end with the values of the last row. A row whose Band is none of the fifteen labels
// is listed but fills no band panel, so it cannot overwrite another band's data. An
// empty or unreadable date keeps the date held before. Returns false and sets `error`
// on a failing statement.
bool load(QSqlDatabase db, ContestSettings &settings, QString *error = nullptr);

// Adds the row of band `k` with the current general fields (each value followed by
// one blank, Mode without it), in one transaction. Returns false and leaves the table
// unchanged on failure.
bool insertBandRow(QSqlDatabase db, const ContestSettings &settings, int k, QString *error = nullptr);

// Rewrites the first row whose trimmed Band equals the label of band k. Returns false
// on failure; `found` tells whether a row matched.
bool updateBandRow(QSqlDatabase db, const ContestSettings &settings, int k, bool *found,
                   QString *error = nullptr);

}
