#include "geo/ui/Form14.h"

#include "controls/ui/ChameleonButton.h"
#include "geo/Locator.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "shell/ui/MessageWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace {

const QString Unknown = QStringLiteral("??????");

// Whole numbers as the program writes them: a leading blank where a minus sign would go.
QString numberText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QLineEdit *resultField(const QString &name, const QColor &colour, QWidget *parent)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::ClickFocus);
    QFont font = f->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    f->setFont(font);
    f->setStyleSheet(QStringLiteral("QLineEdit { background: #ffffc0; color: %1; }").arg(colour.name()));
    f->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QStringLiteral("0000000")) + 12);
    return f;
}

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}

LocatorField::LocatorField(const QString &objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.6);
    setFont(f);
    setStyleSheet(QStringLiteral("QLineEdit { background: #ffffc0; }"));
    setMinimumWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("WWWWWWW")) + 12);
}

void LocatorField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    setSelection(2, 4);
}

void LocatorField::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0) >= QLatin1Char('a') && text.at(0) <= QLatin1Char('z')) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), text.toUpper(), event->isAutoRepeat(),
                        event->count());
        QLineEdit::keyPressEvent(&upper);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

Form14::Form14(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form14"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lokator kalkulator"));

    m_text3 = new LocatorField(QStringLiteral("Text3"), this);
    m_text5 = new LocatorField(QStringLiteral("Text5"), this);
    m_text6 = resultField(QStringLiteral("Text6"), QColor(0x80, 0, 0), this);
    m_text1 = resultField(QStringLiteral("Text1"), QColor(0, 0x64, 0), this);

    auto *grid = new QGridLayout;
    grid->addWidget(m_text3, 0, 0);
    grid->addWidget(m_text5, 0, 2);
    grid->addWidget(caption(QStringLiteral("Label1"), QStringLiteral("Lokator"), this), 1, 0, Qt::AlignHCenter);
    grid->addWidget(caption(QStringLiteral("Label2"), QStringLiteral("Lokator"), this), 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_text6, 2, 0);
    grid->addWidget(caption(QStringLiteral("Label3"), QStringLiteral("Km"), this), 2, 1);
    grid->addWidget(m_text1, 2, 2);
    grid->addWidget(caption(QStringLiteral("Label4"), QStringLiteral("Smjer"), this), 2, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(8);

    auto *calculate = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Računaj"), this);
    auto *cancel = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Odustani"), this);
    connect(calculate, &QPushButton::clicked, this, &Form14::Calculate);
    m_turn = new ChameleonButton(QStringLiteral("chameleonButton3"), QStringLiteral("Okreni antenu"), this);
    m_turn->hide();
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_turn, &QPushButton::clicked, this, [this] {
        Calculate();
        if (m_valid)
            emit turnAntennaRequested(m_bearing);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(calculate, 1);
    buttons->addWidget(m_turn, 1);
    buttons->addWidget(cancel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    setTabOrder(m_text3, m_text5);
    setTabOrder(m_text5, calculate);
    setTabOrder(calculate, m_turn);
    setTabOrder(m_turn, cancel);

    // The window sees every key before its fields (the arrow keys move the focus).
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    ApplySelectedLanguage(this);
    m_text3->setText(QStringLiteral("JN"));
    m_text5->setText(QStringLiteral("JN"));
}

bool Form14::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            focusNextPrevChild(key == Qt::Key_Right);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form14::Calculate()
{
    const Geo::QrbResult r = Geo::computeQrb(m_text3->text(), m_text5->text());
    if (r.ownTooLong)
        MessageWindow::showMessage(QStringLiteral("Form21"), QStringLiteral("Lokator je predugačak (najviše 6 znakova)."));
    Text7 = r.own.latitude;
    Text2 = -r.own.longitude;
    Text4 = r.other.latitude;
    Text8 = -r.other.longitude;
    m_valid = r.valid;
    m_bearing = r.bearing;
    if (r.valid) {
        m_text1->setText(numberText(r.bearing));
        m_text6->setText(numberText(r.qrb));
    } else {
        m_text1->setText(Unknown);
        m_text6->setText(Unknown);
        m_text3->clear();
        m_text5->clear();
    }
}

void Form14::setTurnAntennaAvailable(bool available)
{
    m_turn->setVisible(available);
}

Form14 *Form14::open(QWidget *owner)
{
    static QPointer<Form14> window;
    if (!window)
        window = new Form14(owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
