#pragma once
#include <QWidget>

class QCheckBox;
class ChameleonButton;
class Messages;

// "Postavke programa" (objectName FormPreferences): the operator's own choices for
// the entry line, kept in brelog.ini. Check1 "Nakon spremanja: kursor u pozivni
// znak"; chameleonButton1 "Spremi" stores and closes, chameleonButton2 "Odustani"
// closes.
class ProgramSettings;

class EntryPreferencesWindow : public QWidget
{
    Q_OBJECT
public:
    // The preferences are read from and stored into `settings` (brelog.ini).
    EntryPreferencesWindow(ProgramSettings &settings, Messages &messages, QWidget *owner = nullptr);

    // Menu "Postavke programa": shows the window without blocking, creating it if needed.
    static EntryPreferencesWindow *open(ProgramSettings &settings, Messages &messages, QWidget *owner);

    QCheckBox *focusCallField() const { return m_check1; }

signals:
    // The choices were stored: the entry line follows them at once.
    void stored();

private:
    void save();

    Messages &m_messages;
    QCheckBox *m_check1 = nullptr;
    ChameleonButton *m_save = nullptr;
    ChameleonButton *m_cancel = nullptr;
    ProgramSettings &m_settings;
};
