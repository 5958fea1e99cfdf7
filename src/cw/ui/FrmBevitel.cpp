#include "cw/ui/FrmBevitel.h"

#include "controls/ui/ChameleonButton.h"
#include "cw/CwMemories.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "controls/MessageCatalogue.h"
#include "platform/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

frmBevitel *frmBevitel::edit(const ProgramFolder &folder, int index, Messages &messages, QWidget *owner)
{
    if (index < 0 || index >= CwMemories::Count) {
        messages.show(MessageCatalogue::noMemoryToEdit());
        return nullptr;
    }
    auto *editor = new frmBevitel(folder, index, messages, owner);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::ApplicationModal);
    editor->open();
    return editor;
}

frmBevitel::frmBevitel(const ProgramFolder &folder, int index, Messages &messages, QWidget *owner)
    : QDialog(owner), m_folder(folder), m_index(index), m_messages(messages)
{
    setObjectName(QStringLiteral("frmBevitel"));
    setWindowTitle(QStringLiteral("Unos teksta"));

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtBevitel"));
    m_text->setMinimumWidth(460);
    // A double quote would end the stored item early: it cannot be typed.
    m_text->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), m_text));
    QFont f = m_text->font();
    f.setPointSizeF(f.pointSizeF() * 1.2);
    m_text->setFont(f);
    auto *save = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), this);
    auto *cancel = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Odustani"), this);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &frmBevitel::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // What the text may name; filled in when the memory is sent.
    auto *macros = new QLabel(QStringLiteral("Makronaredbe: {MYCALL} {CALL} {NR} {RST} {MYLOC}"), this);
    macros->setObjectName(QStringLiteral("Label1"));
    macros->setStyleSheet(QStringLiteral("color: #1f3f7a;"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(macros);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(m_text);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    ApplySelectedLanguage(this);
    CwMemories::ensureExists(m_folder, index);
    m_text->setText(CwMemories::read(m_folder, index));
}

void frmBevitel::save()
{
    QString error;
    if (!CwMemories::write(m_folder, m_index, m_text->text(), &error)) {
        m_messages.show(MessageCatalogue::memoryNotStored(error));
        return;
    }
    accept();
}
