#pragma once
#include <QWidget>
#include <functional>

class ChameleonButton;
class ContestContext;
class Messages;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Baza natjecanja": where this PC keeps the contest. Option1 the working file
// contest.mdb of this PC, Option2 a PostgreSQL database on a server that every PC of
// the station logs into, its address in Text1 ("postgresql://user@host:port/name").
// chameleonButton1 "Provjeri vezu" tries the address, chameleonButton2 "Spremi"
// keeps the choice in brelog.ini and switches to it, chameleonButton3 "Odustani".
class FormServer : public QWidget
{
    Q_OBJECT
public:
    // `apply` switches the program to the chosen place (empty: the working file) and
    // returns false with the reason when that fails.
    using Apply = std::function<bool(const QString &url, QString *error)>;

    // The place in use and the one kept in brelog.ini come from `context`.
    FormServer(ContestContext &context, Apply apply, Messages &messages, QWidget *owner = nullptr);

    // Menu "Baza natjecanja": shows the window without blocking, creating it if needed.
    static FormServer *open(ContestContext &context, Apply apply, Messages &messages, QWidget *owner);

    QString chosenUrl() const; // empty for the working file
    void checkConnection();    // "Provjeri vezu"
    void save();               // "Spremi"

private:
    void updateEnabled();
    // Form55: the contest database could not be reached, with the reason.
    void showServerFailure(const QString &reason);
    // Form56: the contest database answered.
    void showServerReached();

    ContestContext &m_context;
    Apply m_apply;
    Messages &m_messages;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    ChameleonButton *m_check = nullptr;
};
