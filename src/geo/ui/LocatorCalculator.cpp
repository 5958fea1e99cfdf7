#include "geo/ui/LocatorCalculator.h"

#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "geo/Locator.h"
#include "i18n/ui/ApplySelectedLanguage.h"

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

QLineEdit *resultField(const QString &name, QWidget *parent)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::ClickFocus);
    QFont font = f->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    f->setFont(font);
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
    upperCaseTypedLetters(this);
    setMinimumWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("WWWWWWW")) + 12);
}

void LocatorField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    setSelection(2, 4);
}

LocatorCalculator::LocatorCalculator(Messages &messages, QWidget *owner)
    : QWidget(owner, Qt::Window), m_messages(messages)
{
    setObjectName(QStringLiteral("Form14"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lokator kalkulator"));

    m_text3 = new LocatorField(QStringLiteral("Text3"), this);
    m_text5 = new LocatorField(QStringLiteral("Text5"), this);
    m_text6 = resultField(QStringLiteral("Text6"), this); // distance, red
    m_text1 = resultField(QStringLiteral("Text1"), this); // bearing, green

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
    connect(calculate, &QPushButton::clicked, this, &LocatorCalculator::Calculate);
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

    moveFocusWithArrows(this);

    ApplySelectedLanguage(this);
    m_text3->setText(QStringLiteral("JN"));
    m_text5->setText(QStringLiteral("JN"));
}

void LocatorCalculator::Calculate()
{
    const Geo::QrbResult r = Geo::computeQrb(m_text3->text(), m_text5->text());
    if (r.ownTooLong)
        m_messages.show(MessageCatalogue::locatorTooLong());
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

void LocatorCalculator::setTurnAntennaAvailable(bool available)
{
    m_turn->setVisible(available);
}

LocatorCalculator *LocatorCalculator::open(Messages &messages, QWidget *owner)
{
    static QPointer<LocatorCalculator> window;
    return showSingleWindow(window, [&] { return new LocatorCalculator(messages, owner); });
}
