#include "callinfo/ui/LogSearchWindow.h"

#include "contestlog/LogSearch.h"
#include "callinfo/ui/LogSearchTarget.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString windowName(LogSearchWindow::Kind kind)
{
    return kind == LogSearchWindow::Kind::ByCall ? QStringLiteral("MsBox1") : QStringLiteral("MsBox2");
}

}

LogSearchWindow *LogSearchWindow::open(Kind kind, LogSearchTarget &target, Messages &messages, QWidget *parent)
{
    static QPointer<LogSearchWindow> byCall, byLocator;
    QPointer<LogSearchWindow> &slot = kind == Kind::ByCall ? byCall : byLocator;
    const bool opening = !slot;
    LogSearchWindow *box = showSingleWindow(slot, [&] { return new LogSearchWindow(kind, target, messages, parent); });
    if (opening)
        box->Text1->setFocus();
    return box;
}

LogSearchWindow::LogSearchWindow(Kind kind, LogSearchTarget &target, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_kind(kind), m_target(target), m_messages(messages)
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
    upperCaseTypedLetters(Text1); // typed lower case is searched as upper case
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

    connect(Text1, &QLineEdit::textChanged, this, &LogSearchWindow::search);
    connect(chameleonButton1, &QPushButton::clicked, this, &QWidget::close);
    ApplySelectedLanguage(this);
}

void LogSearchWindow::search()
{
    if (m_kind == Kind::ByCall)
        SearchLogByCall();
    else
        SearchLogByLocator();
}

void LogSearchWindow::SearchLogByCall()
{
    QVector<QsoRow> rows;
    LogSearch::byCall(m_target.database(), m_target.band(), Text1->text(), rows);
    if (rows.isEmpty()) {
        m_messages.show(MessageCatalogue::notFound());
        Text1->clear(); // searches again with an empty text: the whole band
    } else {
        m_target.showSearchResult(rows);
    }
    Text1->setFocus();
}

void LogSearchWindow::SearchLogByLocator()
{
    QVector<QsoRow> rows;
    LogSearch::byLocator(m_target.database(), m_target.band(), Text1->text(), rows);
    if (rows.isEmpty()) {
        m_messages.show(MessageCatalogue::notFound());
        Text1->clear();
    } else {
        m_target.showSearchResult(rows);
    }
    Text1->setFocus();
}
