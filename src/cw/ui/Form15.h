#pragma once
#include "platform/ProgramFolder.h"

#include <QWidget>

class Messages;
class QLineEdit;

// Memory-number prompt of "Unos teksta": the operator types a memory number (Text1);
// "Spremi" opens that memory in the editor, "Odustani" closes the prompt.
class Form15 : public QWidget
{
    Q_OBJECT
public:
    // The memories are those of `folder`; the messages go to `messages`.
    Form15(const ProgramFolder &folder, Messages &messages, QWidget *owner = nullptr);
    // Shows the prompt without blocking, creating it if needed.
    static Form15 *open(const ProgramFolder &folder, Messages &messages, QWidget *owner);

    // The memory index (0..8) a typed number stands for: its leading whole number
    // limited to 1..9, minus one; no number counts as 0 and so as memory 1.
    static int memoryIndexOf(const QString &text);

    // "Spremi".
    void save();

signals:
    // The editor opened by "Spremi" was closed; the prompt closes too.
    void memoryEdited();

private:
    ProgramFolder m_folder;
    Messages &m_messages;
    QLineEdit *m_text1 = nullptr;
};
