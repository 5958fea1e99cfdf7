#include "shell/ui/AboutWindow.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

namespace {

// The program logo: a Yagi antenna over the program's name.
QPixmap logoPicture()
{
    QPixmap pm(120, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 96);
    sky.setColorAt(0, QColor(0x2d, 0x5f, 0xa8));
    sky.setColorAt(1, QColor(0x0f, 0x2a, 0x55));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 118, 94), 10, 10);
    p.setPen(QPen(QColor(0xe8, 0xee, 0xf7), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 34), QPointF(102, 34)); // boom
    for (int i = 0; i < 6; ++i) {
        const double x = 24 + i * 15;
        const double half = 16 - i * 1.6;
        p.drawLine(QPointF(x, 34 - half), QPointF(x, 34 + half));
    }
    p.drawLine(QPointF(60, 34), QPointF(60, 62)); // mast
    QFont f(QStringLiteral("Sans Serif"), 13, QFont::Bold);
    p.setFont(f);
    p.setPen(QColor(0xff, 0xd3, 0x2a));
    p.drawText(QRectF(0, 62, 120, 30), Qt::AlignCenter, QStringLiteral("Brelog"));
    return pm;
}

QLabel *textLabel(const QString &name, const QString &text, QWidget *parent, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        l->setFont(f);
    }
    return l;
}

}

AboutWindow::AboutWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("O programu"));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(logoPicture());
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *text = new QVBoxLayout;
    text->addWidget(textLabel(QStringLiteral("Label1"), QString::fromUtf8(AboutTexts::Purpose), this, true));
    text->addWidget(textLabel(QStringLiteral("Label2"), QString::fromUtf8(AboutTexts::Version), this));
    text->addSpacing(8);
    text->addWidget(textLabel(QStringLiteral("Label3"), QString::fromUtf8(AboutTexts::Disclaimer), this));
    text->addWidget(textLabel(QStringLiteral("Label4"), QString::fromUtf8(AboutTexts::Contact), this));
    text->addSpacing(8);
    text->addWidget(textLabel(QStringLiteral("Label5"), QString::fromUtf8(AboutTexts::Thanks), this));
    text->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto *close = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Odustani"), this);
    close->setMinimumWidth(100);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    ApplySelectedLanguage(this);
}

AboutWindow *AboutWindow::open(QWidget *owner)
{
    static QPointer<AboutWindow> window;
    return showSingleWindow(window, [owner] { return new AboutWindow(owner); });
}
