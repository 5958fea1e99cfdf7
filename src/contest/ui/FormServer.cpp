#include "contest/ui/FormServer.h"

#include "contest/ContestDatabase.h"
#include "contest/ContestContext.h"
#include "controls/ui/ChameleonButton.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "controls/MessageCatalogue.h"
#include "platform/Messages.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QVBoxLayout>

namespace {

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

}

void FormServer::showServerFailure(const QString &reason)
{
    m_messages.show(MessageCatalogue::serverNotReached(reason));
}

void FormServer::showServerReached()
{
    m_messages.show(MessageCatalogue::serverReached());
}

FormServer::FormServer(ContestContext &context, Apply apply, Messages &messages, QWidget *owner)
    : QWidget(owner, Qt::Window), m_context(context), m_apply(std::move(apply)), m_messages(messages)
{
    setObjectName(QStringLiteral("FormServer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Baza natjecanja"));

    m_option1 = new QRadioButton(QStringLiteral("Datoteka contest.mdb na ovom računalu"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("Baza PostgreSQL na poslužitelju zajednička svim računalima stanice"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_option1);
    group->addButton(m_option2);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/name"));
    m_text1->setMinimumWidth(m_text1->fontMetrics().horizontalAdvance(QStringLiteral("postgresql://operator@192.168.100.200:5432/natjecanje")) + 16);

    m_check = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Provjeri vezu"), this);
    auto *saveButton = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Spremi"), this);
    auto *cancel = new ChameleonButton(QStringLiteral("chameleonButton3"), QStringLiteral("Odustani"), this);
    connect(m_check, &QPushButton::clicked, this, &FormServer::checkConnection);
    connect(saveButton, &QPushButton::clicked, this, &FormServer::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_option1, &QRadioButton::toggled, this, &FormServer::updateEnabled);

    auto *address = new QHBoxLayout;
    address->addSpacing(22);
    address->addWidget(caption(QStringLiteral("Label2"), QStringLiteral("Adresa:"), this));
    address->addWidget(m_text1, 1);
    auto *hint = caption(QStringLiteral("Label3"),
                         QStringLiteral("Lozinka se ne upisuje ovdje: PostgreSQL je čita iz datoteke ~/.pgpass "
                                        "ili iz varijable PGPASSWORD."),
                         this);
    hint->setIndent(22);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check, 1);
    buttons->addWidget(saveButton, 1);
    buttons->addWidget(cancel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addWidget(caption(QStringLiteral("Label1"), QStringLiteral("Natjecanje se vodi u:"), this));
    layout->addWidget(m_option1);
    layout->addWidget(m_option2);
    layout->addLayout(address);
    layout->addWidget(hint);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    const QString current = m_context.session().serverUrl();
    (current.isEmpty() ? m_option1 : m_option2)->setChecked(true);
    m_text1->setText(current.isEmpty() ? m_context.settings().read<ContestServerChoice>().url
                                       : ContestDatabase::displayUrl(current));
    updateEnabled();
    ApplySelectedLanguage(this);
}

FormServer *FormServer::open(ContestContext &context, Apply apply, Messages &messages, QWidget *owner)
{
    static QPointer<FormServer> window;
    if (!window)
        window = new FormServer(context, std::move(apply), messages, owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QString FormServer::chosenUrl() const
{
    return m_option2->isChecked() ? m_text1->text().trimmed() : QString();
}

void FormServer::updateEnabled()
{
    m_text1->setEnabled(m_option2->isChecked());
    m_check->setEnabled(m_option2->isChecked());
}

void FormServer::checkConnection()
{
    QString error;
    QSqlDatabase db = ContestDatabase::openServer(chosenUrl(), &error);
    if (!db.isValid()) {
        showServerFailure(error);
        return;
    }
    ContestDatabase::close(db);
    showServerReached();
}

void FormServer::save()
{
    const QString url = chosenUrl();
    QString error;
    if (m_option2->isChecked() && url.isEmpty()) {
        showServerFailure(QStringLiteral("no address given"));
        m_text1->setFocus();
        return;
    }
    if (!m_apply(url, &error)) {
        showServerFailure(error);
        return;
    }
    if (!m_context.settings().write(ContestServerChoice{url}, &error)) {
        showServerFailure(error);
        return;
    }
    close();
}
