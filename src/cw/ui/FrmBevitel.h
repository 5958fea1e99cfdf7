#pragma once
#include "platform/ProgramFolder.h"

#include <QDialog>

class Messages;
class QLineEdit;

// Memory editor "Unos teksta": the text of one memory in txtBevitel; "Spremi" writes it,
// "Odustani" leaves the file as it was. The rest of the program waits while it is open.
class frmBevitel : public QDialog
{
    Q_OBJECT
public:
    // Opens the editor for memory `index` (0..8), application-modal without blocking the
    // caller; finished() tells when it closes. A missing memory file is created empty.
    // With no memory to edit (index < 0) it shows "Unesite tekst koji želite urediti!"
    // instead and returns nullptr.
    static frmBevitel *edit(const ProgramFolder &folder, int index, Messages &messages, QWidget *owner);

    frmBevitel(const ProgramFolder &folder, int index, Messages &messages, QWidget *owner = nullptr);
    int memoryIndex() const { return m_index; }

    // "Spremi": writes the trimmed text and closes; a failing write is reported and the
    // editor stays open with the text.
    void save();

private:
    ProgramFolder m_folder;
    int m_index;
    Messages &m_messages;
    QLineEdit *m_text = nullptr;
};
