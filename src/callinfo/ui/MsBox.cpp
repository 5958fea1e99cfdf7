#include "callinfo/ui/MsBox.h"

#include "contestlog/LogSearch.h"
#include "callinfo/ui/LogSearchTarget.h"
#include "controls/ui/ChameleonButton.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "shell/ui/MessageWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString windowName(MsBox::Kind kind)
{
    return kind == MsBox::Kind::ByCall ? QStringLiteral("MsBox1") : QStringLiteral("MsBox2");
}

}

MsBox *MsBox::open(Kind kind, LogSearchTarget &target, QWidget *parent)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<MsBox *>(w); box && box->kind() == kind && box->isVisible()) {
            box->raise();
            box->activateWindow();
            return box;
        }
    auto *box = new MsBox(kind, target, parent);
    box->show();
    box->raise();
    box->activateWindow();
    box->Text1->setFocus();
    return box;
}

MsBox::MsBox(Kind kind, LogSearchTarget &target, QWidget *parent)
    : QWidget(parent, Qt::Window), m_kind(kind), m_target(target)
{
    setObjectName(windowName(kind));
    setAttribute(Qt::WA_DeleteOnClose);
    const bool byCall = kind == Kind::ByCall;
    setWindowTitle(byCall ? QStringLiteral("Traži po pozivnom znaku") : QStringLiteral("Traži po lokatoru"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32, 32));
    Label1 = new QLabel(byCall ? QStringLiteral("Unesi pozivni znak") : QStringLiteral("Unesi lokator"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->installEventFilter(this);
    chameleonButton1 = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Odustani"), this);

    auto *texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(Text1);
    auto *row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(chameleonButton1, 0, Qt::AlignRight);

    connect(Text1, &QLineEdit::textChanged, this, &MsBox::search);
    connect(chameleonButton1, &QPushButton::clicked, this, &QWidget::close);
    ApplySelectedLanguage(this);
}

bool MsBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString t = key->text();
        if (t.size() == 1 && t.at(0) >= QLatin1Char('a') && t.at(0) <= QLatin1Char('z')) {
            Text1->insert(t.toUpper()); // typed lower case is searched as upper case
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MsBox::search()
{
    if (m_kind == Kind::ByCall)
        SearchLogByCall();
    else
        SearchLogByLocator();
}

void MsBox::SearchLogByCall()
{
    QVector<QsoRow> rows;
    LogSearch::byCall(m_target.database(), m_target.band(), Text1->text(), rows);
    if (rows.isEmpty()) {
        MessageWindow::showMessage(QStringLiteral("Form7"), QStringLiteral("Nije pronađeno"));
        Text1->clear(); // searches again with an empty text: the whole band
    } else {
        m_target.showSearchResult(rows);
    }
    Text1->setFocus();
}

void MsBox::SearchLogByLocator()
{
    QVector<QsoRow> rows;
    LogSearch::byLocator(m_target.database(), m_target.band(), Text1->text(), rows);
    if (rows.isEmpty()) {
        MessageWindow::showMessage(QStringLiteral("Form7"), QStringLiteral("Nije pronađeno"));
        Text1->clear();
    } else {
        m_target.showSearchResult(rows);
    }
    Text1->setFocus();
}
