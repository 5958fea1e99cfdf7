#pragma once
#include <QWidget>

// The lines the about window and the splash share (Croatian; the packs relabel them).
namespace AboutTexts {
inline constexpr const char *Purpose = "Program namijenjen za vođenje VHF contesta.";
inline constexpr const char *Version = "v. 2.0 - 08.05.2014.";
inline constexpr const char *Disclaimer =
    "Autor programa ne odgovara za bilo kakvu štetu nastalu pogrešnim korištenjem programa. Za sve informacije o "
    "programu, prijedloge za novu verziju programa i uputstva pošaljite email ili nazovite:";
inline constexpr const char *Contact = "Brelog — prijedloge i prijave grešaka pošaljite autorima programa.";
inline constexpr const char *Thanks = "Zahvaljujemo prevoditeljima na engleski, poljski i slovački jezik.";
}

// About window "O programu": logo, purpose, version, disclaimer, contact and thanks
// lines (Label1 .. Label5) and chameleonButton1 "Odustani", which closes it.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *owner = nullptr);

    // Menu "O programu": shows the window without blocking, creating it if needed.
    static AboutWindow *open(QWidget *owner);
};
