#include "contestlog/ui/EntryPreferencesWindow.h"

#include "contestlog/EntryPreferences.h"
#include "platform/ProgramSettings.h"
#include "controls/ui/ChameleonButton.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "controls/MessageCatalogue.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

EntryPreferencesWindow::EntryPreferencesWindow(ProgramSettings &settings, Messages &messages, QWidget *owner)
    : QWidget(owner, Qt::Window), m_messages(messages), m_settings(settings)
{
    setObjectName(QStringLiteral("FormPreferences"));
    setWindowTitle(QStringLiteral("Postavke programa"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 12);
    root->setSpacing(14);
    m_check1 = new QCheckBox(QStringLiteral("Nakon spremanja: kursor u pozivni znak"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(m_settings.read<EntryPreferences>().focusCallAfterSave);
    root->addWidget(m_check1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_save = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), this);
    m_cancel = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Odustani"), this);
    for (ChameleonButton *b : {m_save, m_cancel}) {
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &EntryPreferencesWindow::save);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    ApplySelectedLanguage(this);
    adjustSize();
    setFixedSize(sizeHint());
}

EntryPreferencesWindow *EntryPreferencesWindow::open(ProgramSettings &settings, Messages &messages, QWidget *owner)
{
    static QPointer<EntryPreferencesWindow> window;
    if (!window)
        window = new EntryPreferencesWindow(settings, messages, owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void EntryPreferencesWindow::save()
{
    EntryPreferences p;
    p.focusCallAfterSave = m_check1->isChecked();
    if (!m_settings.write(p)) {
        m_messages.show(MessageCatalogue::entryPreferencesNotStored(QStringLiteral("brelog.ini")));
        return;
    }
    emit stored();
    close();
}
