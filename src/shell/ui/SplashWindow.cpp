#include "shell/ui/SplashWindow.h"

#include "controls/ui/XpProgressBar.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "shell/ui/AboutWindow.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture());
    image->setAlignment(Qt::AlignCenter);

    auto makeLabel = [this](const char *name, const QString &text, bool bold) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.1);
            l->setFont(f);
        }
        return l;
    };
    // The purpose, then the about window's disclaimer and contact lines, then the version.
    QLabel *label1 = makeLabel("Label1", QString::fromUtf8(AboutTexts::Purpose), true);
    QLabel *label2 = makeLabel("Label2", QString::fromUtf8(AboutTexts::Disclaimer), false);
    QLabel *label4 = makeLabel("Label4", QString::fromUtf8(AboutTexts::Contact), false);
    QLabel *label3 = makeLabel("Label3", QString::fromUtf8(AboutTexts::Version), false);

    ProgressBar1 = new XpProgressBar(QStringLiteral("ProgressBar1"), this);
    ProgressBar1->setFixedHeight(16);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::tick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(8);
    layout->addWidget(image);
    layout->addSpacing(4);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addWidget(label4);
    layout->addWidget(label3);
    layout->addSpacing(4);
    layout->addWidget(ProgressBar1);
    setFixedWidth(picture().width() + 36);

    ApplySelectedLanguage(this);
}

void SplashWindow::start()
{
    ProgressBar1->setValue(0);
    Timer1->start();
}

void SplashWindow::tick()
{
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() >= 100) {
        Timer1->stop();
        emit finished();
        close();
    }
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf7, 0xf8, 0xfb));
    p.setPen(QPen(QColor(0x2c, 0x3e, 0x66), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

QPixmap SplashWindow::picture()
{
    const QSize size(440, 150);
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // Night sky over the horizon.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x0b, 0x1a, 0x3a));
    sky.setColorAt(1, QColor(0x2a, 0x4f, 0x8c));
    p.fillRect(pm.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x2a, 0x1e));
    QPainterPath hill;
    hill.moveTo(0, 150);
    hill.cubicTo(90, 112, 170, 118, 250, 132);
    hill.cubicTo(320, 142, 390, 120, 440, 128);
    hill.lineTo(440, 150);
    hill.closeSubpath();
    p.drawPath(hill);

    // A yagi on its mast, radiating to the right.
    const QPointF mastTop(70, 48);
    p.setPen(QPen(QColor(0xd8, 0xde, 0xea), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 134), mastTop);
    p.setPen(QPen(QColor(0xd8, 0xde, 0xea), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 48), QPointF(128, 48));
    for (int i = 0; i < 7; ++i) {
        const double x = 34 + i * 15.5;
        const double half = i == 0 ? 20 : 16 - i * 0.9;
        p.drawLine(QPointF(x, 48 - half), QPointF(x, 48 + half));
    }
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(0x7f, 0xd3, 0x7f, 230 - i * 50), 2.2));
        const double r = 12.0 * i;
        p.drawArc(QRectF(138 - r, 48 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }

    // Name and tag line.
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(46);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(QRectF(186, 18, 250, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brelog"));
    QFont tag(QStringLiteral("Sans Serif"));
    tag.setPixelSize(15);
    p.setFont(tag);
    p.setPen(QColor(0xbf, 0xd4, 0xf2));
    p.drawText(QRectF(188, 76, 250, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VHF · UHF · SHF"));

    // A few stars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    const QPointF stars[] = {{160, 14}, {402, 22}, {352, 104}, {248, 10}, {424, 70}, {20, 18}, {300, 58}};
    for (const QPointF &s : stars)
        p.drawEllipse(s, 1.2, 1.2);
    return pm;
}
