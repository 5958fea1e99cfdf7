#pragma once
#include <QLineEdit>

// A text field of the entry line: optional upper-casing of typed a-z, Enter as a
// command (the key itself never reaches the text), and the selection a contester
// expects when the field takes the focus.
class EntryField : public QLineEdit
{
    Q_OBJECT
public:
    enum class FocusSelection {
        None,        // leave Qt's own behaviour
        ToEnd,       // select from the caret to the end: a filled field is typed over
        LocatorRest, // select from the third character, four long: keep the field letters;
                     // a letter typed there replaces the whole field
    };

    explicit EntryField(const QString &objectName, QWidget *parent = nullptr);

    void setUpperCase(bool on) { m_upper = on; }
    void setEnterIsCommand(bool on) { m_enterCommand = on; }
    void setFocusSelection(FocusSelection s) { m_selection = s; }

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool typesOverFieldLetters() const;

    bool m_upper = false;
    bool m_enterCommand = false;
    FocusSelection m_selection = FocusSelection::None;
};
