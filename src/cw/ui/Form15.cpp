#include "cw/ui/Form15.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "cw/CwMemories.h"
#include "cw/ui/FrmBevitel.h"
#include "i18n/ui/ApplySelectedLanguage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Form15::Form15(const ProgramFolder &folder, Messages &messages, QWidget *owner)
    : QWidget(owner, Qt::Window), m_folder(folder), m_messages(messages)
{
    setObjectName(QStringLiteral("Form15"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());

    auto *label = new QLabel(QStringLiteral("Unesite broj memorije koju želite izmjeniti:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    m_text1 = new QLineEdit(QStringLiteral("1"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFixedWidth(48);
    m_text1->setAlignment(Qt::AlignCenter);
    QFont big = m_text1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_text1->setFont(big);
    auto *save = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), this);
    auto *cancel = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Odustani"), this);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &Form15::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_text1, &QLineEdit::returnPressed, this, &Form15::save);

    auto *row = new QHBoxLayout;
    row->addWidget(label, 1);
    row->addWidget(m_text1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    ApplySelectedLanguage(this);
    m_text1->selectAll();
}

Form15 *Form15::open(const ProgramFolder &folder, Messages &messages, QWidget *owner)
{
    static QPointer<Form15> window;
    return showSingleWindow(window, [&folder, &messages, owner] { return new Form15(folder, messages, owner); });
}

int Form15::memoryIndexOf(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))
        ++end;
    while (end < t.size() && t.at(end).isDigit() && end < 10)
        ++end;
    const int n = t.left(end).toInt(); // no number gives 0
    return std::clamp(n, 1, CwMemories::Count) - 1;
}

void Form15::save()
{
    frmBevitel *editor =
        frmBevitel::edit(m_folder, memoryIndexOf(m_text1->text()), m_messages, parentWidget() ? parentWidget() : this);
    if (!editor)
        return;
    hide();
    connect(editor, &QDialog::finished, this, [this] {
        emit memoryEdited();
        close();
    });
}
