#pragma once
#include <QString>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTableView;
class ChameleonButton;
class EntrySession;

// The controls of the main window's entry line, band view and call-sign information,
// under their design names, and the entry's hidden state fields. The main window
// creates the widgets; the collaborators (log entry, call-sign information) reach
// them through this.
struct EntryLine
{
    // Entry fields
    QLineEdit *Text1 = nullptr;  // time (clock-driven)
    QLineEdit *Text2 = nullptr;  // call
    QLineEdit *Text3 = nullptr;  // RST sent
    QLineEdit *Text4 = nullptr;  // serial sent
    QComboBox *Combo1 = nullptr; // mode
    QLineEdit *Text6 = nullptr;  // RST received
    QLineEdit *Text7 = nullptr;  // serial received
    QLineEdit *Text8 = nullptr;  // locator
    QLineEdit *Text9 = nullptr;  // QRB (display, edit mode)
    QLineEdit *Text10 = nullptr; // bearing (display, edit mode)
    QLineEdit *Text15 = nullptr; // duplicate mark (display, edit mode)
    QLineEdit *Text14 = nullptr; // date (clock-driven)
    QLineEdit *Text16 = nullptr; // date of the QSO being edited
    QLineEdit *Text17 = nullptr; // time of the QSO being edited
    QCheckBox *Check1 = nullptr; // "Naknadno vođenje"
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label16 = nullptr; // "Dvostruka veza !"
    QFrame *Line6 = nullptr;
    QFrame *Line7 = nullptr;
    QFrame *Line8 = nullptr;
    QFrame *Line9 = nullptr;

    // Buttons and log commands
    ChameleonButton *chameleonButton1 = nullptr; // Spremi
    ChameleonButton *chameleonButton2 = nullptr; // Izmjeni
    ChameleonButton *chameleonButton3 = nullptr; // Odustani
    QAction *spremi = nullptr;
    QAction *izmjeni = nullptr;
    QAction *odustani = nullptr;
    QAction *brisi = nullptr;
    QAction *edi = nullptr;
    QAction *izuadi = nullptr;
    QAction *pozivniznaktrazi = nullptr;
    QAction *trazipolok = nullptr;
    QAction *stati = nullptr;
    QAction *issvihveza = nullptr;

    // Band view and totals
    QComboBox *Combo2 = nullptr;  // band selector
    QLineEdit *Text11 = nullptr;  // QSO count
    QLineEdit *Text12 = nullptr;  // ODX
    QLineEdit *Text13 = nullptr;  // points
    QTableView *DataGrid1 = nullptr;

    // Call-sign information
    QLabel *Label17 = nullptr; // DXCC country (entry set)
    QLabel *Label18 = nullptr; // CQ zone
    QLabel *Label19 = nullptr; // ITU zone
    QLabel *Label26 = nullptr; // starred flag, never shown
    QLabel *Label29 = nullptr; // DXCC country (edit set)
    QLabel *Label30 = nullptr;
    QLabel *Label31 = nullptr;
    QLabel *Label32 = nullptr; // never shown
    QLabel *Label25 = nullptr; // "Nova DXCC zemlja"
    QTableView *DataGrid2 = nullptr; // known stations

    // Hidden state fields
    // (The entry's mode, the edited QSO's ID, its position, country and marker are
    // held by the entry session.)
    QString Text26; // prefix found (entry copy)
    QString Text27; // master prefix found (entry copy)
    QString Text28; // copy of the call for the known-stations operations
    QString Text29; // prefix found (edit copy)
    QString Text30; // master prefix found (edit copy)
    QString Text31; // remembered known-station ID

    // The session these fields are bound to: the entry's state, the band's QSOs.
    EntrySession *session = nullptr;

    // The selected band, trimmed.
    QString band() const;
};
