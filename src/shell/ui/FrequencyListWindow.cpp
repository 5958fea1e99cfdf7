#include "shell/ui/FrequencyListWindow.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QColor FmColour(0xd0, 0x20, 0x20);
const QColor SsbColour(0x1f, 0x9a, 0x2e);
const QColor CwColour(0x1f, 0x4f, 0xd0);

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame *swatch(const QString &name, const QColor &colour, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFixedSize(28, 18);
    f->setFrameShape(QFrame::Box);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, colour);
    f->setPalette(pal);
    return f;
}

}

BandPlanChart::BandPlanChart(const QString &objectName, double fromMHz, double toMHz, double labelStepMHz,
                             const QList<Segment> &segments, QWidget *parent)
    : QWidget(parent), m_from(fromMHz), m_to(toMHz), m_step(labelStepMHz), m_segments(segments)
{
    setObjectName(objectName);
}

void BandPlanChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics fm(font());
    const int legendHeight = fm.height() + 16;
    const int top = fm.height();
    const int bottom = height() - legendHeight - fm.height() / 2;
    const int scaleX = fm.horizontalAdvance(QStringLiteral("000.000")) + 18;
    const double span = m_to - m_from;
    auto yOf = [&](double mhz) { return bottom - (mhz - m_from) / span * (bottom - top); };

    // Scale with a labelled tick every step and small ticks between.
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(scaleX, top), QPointF(scaleX, bottom));
    const int labelled = qRound(span / m_step);
    for (int i = 0; i <= labelled * 5; ++i) {
        const double mhz = m_from + i * m_step / 5;
        const double y = yOf(mhz);
        const bool major = i % 5 == 0;
        p.drawLine(QPointF(scaleX - (major ? 8 : 4), y), QPointF(scaleX, y));
        if (major) {
            const QString text = QString::number(mhz, 'f', 3);
            p.drawText(QRectF(2, y - fm.height() / 2.0, scaleX - 12, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                       text);
        }
    }

    // One bar per segment, at least a few pixels high so that narrow segments show.
    const double barX = scaleX + 10;
    const double barWidth = qMax(40.0, width() - barX - 14);
    for (const Segment &s : m_segments) {
        double y1 = yOf(s.toMHz);
        double y2 = yOf(s.fromMHz);
        if (y2 - y1 < 4) {
            const double mid = (y1 + y2) / 2;
            y1 = mid - 2;
            y2 = mid + 2;
        }
        p.setPen(QPen(s.colour.darker(140), 1));
        p.setBrush(s.colour);
        p.drawRect(QRectF(barX, y1, barWidth, y2 - y1));
    }

    // Legend.
    double x = 10;
    const double y = height() - legendHeight + 6;
    for (const Segment &s : m_segments) {
        p.setPen(QPen(s.colour.darker(140), 1));
        p.setBrush(s.colour);
        p.drawRect(QRectF(x, y + 2, 16, fm.height() - 4));
        p.setPen(Qt::black);
        const int w = fm.horizontalAdvance(s.mode);
        p.drawText(QRectF(x + 20, y, w + 2, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, s.mode);
        x += 20 + w + 18;
    }
}

FrequencyListWindow::FrequencyListWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Liste frekvencija"));

    m_option1 = new QRadioButton(QStringLiteral("144 Mhz"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("432 MHz"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));

    QFont headingFont = font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    QLabel *heading144 = namedLabel(QStringLiteral("Label1"), QStringLiteral("144 MHz"), this);
    QLabel *heading432 = namedLabel(QStringLiteral("Label8"), QStringLiteral("432 MHz"), this);
    heading144->setFont(headingFont);
    heading432->setFont(headingFont);

    // Rows top to bottom: FM (red), SSB (green), CW (blue).
    const QStringList labels144{QStringLiteral("145.200 - 145.575"), QStringLiteral("144.150 - 144.400"),
                                QStringLiteral("144.035 - 144.150")};
    const QStringList labels432{QStringLiteral("433.000 - 433.575"), QStringLiteral("432.150 - 432.500"),
                                QStringLiteral("432.000 - 432.150")};
    const QList<QColor> colours{FmColour, SsbColour, CwColour};

    auto *legend = new QGridLayout;
    legend->addWidget(heading144, 0, 0, 1, 2);
    legend->addWidget(heading432, 0, 0, 1, 2);
    for (int row = 0; row < 3; ++row) {
        legend->addWidget(swatch(QStringLiteral("Shape%1").arg(row + 1), colours.at(row), this), row + 1, 0);
        QLabel *l144 = namedLabel(QStringLiteral("Label%1").arg(row + 2), labels144.at(row), this);
        QLabel *l432 = namedLabel(QStringLiteral("Label%1").arg(row + 5), labels432.at(row), this);
        legend->addWidget(l144, row + 1, 1);
        legend->addWidget(l432, row + 1, 1);
        m_view144 << l144;
        m_view432 << l432;
    }
    legend->setColumnStretch(1, 1);
    legend->setHorizontalSpacing(10);
    legend->setVerticalSpacing(10);

    auto *left = new QVBoxLayout;
    left->addWidget(m_option1);
    left->addWidget(m_option2);
    left->addSpacing(18);
    left->addLayout(legend);
    left->addStretch();

    auto *chart144 = new BandPlanChart(QStringLiteral("Picture1"), 144.0, 146.0, 0.5,
                                       {{145.200, 145.575, FmColour, QStringLiteral("FM")},
                                        {144.150, 144.400, SsbColour, QStringLiteral("SSB")},
                                        {144.035, 144.150, CwColour, QStringLiteral("CW")}},
                                       this);
    auto *chart432 = new BandPlanChart(QStringLiteral("Picture2"), 432.0, 436.0, 1.0,
                                       {{433.000, 433.575, FmColour, QStringLiteral("FM")},
                                        {432.150, 432.500, SsbColour, QStringLiteral("SSB")},
                                        {432.000, 432.150, CwColour, QStringLiteral("CW")}},
                                       this);
    m_view144 << heading144 << chart144;
    m_view432 << heading432 << chart432;

    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(12);
    top->addWidget(chart144, 1);
    top->addWidget(chart432, 1);

    auto *close = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Odustani"), this);
    close->setMinimumWidth(100);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(m_option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showView(true);
    });
    connect(m_option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showView(false);
    });

    ApplySelectedLanguage(this);
    m_option1->setChecked(true);
    showView(true);
}

void FrequencyListWindow::showView(bool band144)
{
    for (QWidget *w : m_view144)
        w->setVisible(band144);
    for (QWidget *w : m_view432)
        w->setVisible(!band144);
}

FrequencyListWindow *FrequencyListWindow::open(QWidget *owner)
{
    static QPointer<FrequencyListWindow> window;
    return showSingleWindow(window, [owner] { return new FrequencyListWindow(owner); });
}
