#include "cw/ui/KeyerPanel.h"

#include "controls/ui/ChameleonButton.h"
#include "cw/CwMemories.h"
#include "cw/Keyer.h"
#include "cw/Morse.h"
#include "cw/ui/Form15.h"
#include "cw/ui/FrmBevitel.h"
#include "platform/RtsLine.h"
#include "controls/MessageCatalogue.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// VB colour values are 0x00BBGGRR.
QColor fromColourValue(int v)
{
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

}

KeyerLamp::KeyerLamp(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("shPort"));
    setFixedSize(18, 18);
}

void KeyerLamp::setColourValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    update();
}

void KeyerLamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = fromColourValue(m_value);
    QRadialGradient g(QPointF(width() * 0.38, height() * 0.35), width() * 0.6);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c.darker(115));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.drawEllipse(QRectF(1.5, 1.5, width() - 3, height() - 3));
}

KeyerPanel::KeyerPanel(const ProgramFolder &folder, Platform &platform, MacroProvider macros, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_keyer(std::make_unique<Keyer>(platform.rtsLines.create())),
      m_folder(folder), m_macros(std::move(macros))
{
    setObjectName(QStringLiteral("keyerPanel"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFixedHeight(List1->fontMetrics().height() * 5 + 8);
    for (int i = 0; i < 9; ++i) {
        auto *b = new ChameleonButton(QStringLiteral("chameleonButton4(%1)").arg(i), QString::number(i + 1), this);
        b->setMinimumWidth(24);
        b->setStyleSheet(b->styleSheet() + QStringLiteral("ChameleonButton { padding: 3px 0px; }"));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setToolTip(QStringLiteral("F%1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, i] { SendMemory(i); });
        chameleonButton4[i] = b;
    }
    chameleonButton5 = new ChameleonButton(QStringLiteral("chameleonButton5"), QStringLiteral("Stop TX"), this);
    chameleonButton5->setToolTip(QStringLiteral("Esc"));
    chameleonButton14 = new ChameleonButton(QStringLiteral("chameleonButton14"), QStringLiteral("Unos teksta"), this);
    txtScreen = new QLineEdit(this);
    txtScreen->setObjectName(QStringLiteral("txtScreen"));
    txtScreen->setReadOnly(true);
    txtScreen->setFocusPolicy(Qt::NoFocus);
    cboCw = new QComboBox(this);
    cboCw->setObjectName(QStringLiteral("cboCw"));
    cboCw->addItems({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")});
    for (const QString &port : availableSerialPorts())
        if (!QStringList{"ttyS0", "ttyS1", "ttyS2", "ttyS3"}.contains(port))
            cboCw->addItem(port);
    cboCw->setCurrentIndex(0);
    Combo3 = new QComboBox(this);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->addItems(Morse::speedNames());
    Combo3->setCurrentText(QStringLiteral("Fast"));
    txtSulyozas = new QLineEdit(QStringLiteral("3"), this);
    txtSulyozas->setObjectName(QStringLiteral("txtSulyozas"));
    txtSulyozas->setFixedWidth(32);
    txtSulyozas->setAlignment(Qt::AlignCenter);
    shPort = new KeyerLamp(this);

    // Layout: list, the memory buttons in one row, the monitor, then the settings and
    // the two commands.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(3);
    auto *head = new QHBoxLayout;
    head->addWidget(caption(QStringLiteral("Label27"), QStringLiteral("Memorije:"), this));
    head->addStretch();
    head->addWidget(shPort);
    layout->addLayout(head);
    layout->addWidget(List1);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (ChameleonButton *b : chameleonButton4)
        buttons->addWidget(b);
    layout->addLayout(buttons);
    auto *commands = new QHBoxLayout;
    commands->setSpacing(4);
    for (ChameleonButton *b : {chameleonButton14, chameleonButton5}) {
        b->setStyleSheet(b->styleSheet() + QStringLiteral("ChameleonButton { padding: 3px 4px; }"));
        commands->addWidget(b, 1);
    }
    layout->addLayout(commands);
    auto *monitor = new QHBoxLayout;
    monitor->addWidget(caption(QStringLiteral("Label28"), QStringLiteral("Monitor:"), this));
    monitor->addWidget(txtScreen, 1);
    layout->addLayout(monitor);
    auto *settings = new QGridLayout;
    settings->setHorizontalSpacing(4);
    settings->setVerticalSpacing(3);
    settings->addWidget(caption(QStringLiteral("Label45"), QStringLiteral("COM ulaz:"), this), 0, 0);
    settings->addWidget(cboCw, 0, 1);
    settings->addWidget(caption(QStringLiteral("Label46"), QStringLiteral("Brzina:"), this), 0, 2);
    settings->addWidget(Combo3, 0, 3);
    settings->addWidget(caption(QStringLiteral("Label47"), QStringLiteral("Težina crte:"), this), 1, 0);
    settings->addWidget(txtSulyozas, 1, 1, Qt::AlignLeft);
    settings->setColumnStretch(1, 1);
    settings->setColumnStretch(3, 1);
    layout->addLayout(settings);
    QFont mono = txtScreen->font();
    mono.setBold(true);
    txtScreen->setFont(mono);
    txtScreen->setStyleSheet(QStringLiteral("QLineEdit { color: #006000; }"));

    connect(chameleonButton5, &QPushButton::clicked, this, &KeyerPanel::StopSending);
    connect(chameleonButton14, &QPushButton::clicked, this, &KeyerPanel::showMemoryPrompt);
    connect(List1, &QListWidget::itemDoubleClicked, this, &KeyerPanel::onListDoubleClicked);
    connect(m_keyer.get(), &Keyer::characterStarted, this, &KeyerPanel::onCharacterStarted);
    connect(m_keyer.get(), &Keyer::finished, this, &KeyerPanel::onFinished);
    connect(m_keyer.get(), &Keyer::failed, this, &KeyerPanel::onFailed);

    // The main window's load: speed and weight read once, the list filled, the lamp green.
    m_speedValue = Morse::speedValue(Combo3->currentText(), m_speedValue);
    m_dashWeight = Morse::dashWeight(txtSulyozas->text(), m_dashWeight);
    listfeltolt();
    shPort->setColourValue(KeyerLamp::Green);
}

KeyerPanel::~KeyerPanel() = default;

void KeyerPanel::installShortcuts(QWidget *window)
{
    for (int i = 0; i < 9; ++i) {
        auto *s = new QShortcut(QKeySequence(Qt::Key_F1 + i), window);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, i] { SendMemory(i); });
    }
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, &KeyerPanel::StopSending);
}

void KeyerPanel::listfeltolt()
{
    List1->clear();
    List1->addItems(CwMemories::listLines(m_folder));
}

void KeyerPanel::SendMemory(int i)
{
    shPort->setColourValue(KeyerLamp::Red);
    txtScreen->clear();
    if (m_keyer->isBusy()) {
        // A running message goes on (on the emptied monitor); after "Stop TX" the press
        // waits for the character in progress and then sends its own memory.
        if (m_keyer->isStopping())
            m_pending = i;
        return;
    }
    const QString memory = CwMemories::read(m_folder, i);
    if (memory.isEmpty()) {
        shPort->setColourValue(KeyerLamp::Green);
        openEditor(i);
        return;
    }
    const QString text = Macros::expand(memory, m_macros ? m_macros() : MacroValues{});
    m_speedValue = Morse::speedValue(Combo3->currentText(), m_speedValue);
    m_dashWeight = Morse::dashWeight(txtSulyozas->text(), m_dashWeight);
    m_port = cboCw->currentText().trimmed();
    m_keyer->send(keyingPortDevice(m_port), text, Morse::timingFor(m_speedValue, m_dashWeight));
}

void KeyerPanel::StopSending()
{
    m_pending = -1;
    shPort->setColourValue(KeyerLamp::Green);
    m_keyer->stop();
    txtScreen->clear();
}

void KeyerPanel::showMemoryPrompt()
{
    Form15 *prompt = Form15::open(m_folder, m_platform.messages, window());
    connect(prompt, &Form15::memoryEdited, this, &KeyerPanel::listfeltolt, Qt::UniqueConnection);
}

void KeyerPanel::openEditor(int index)
{
    if (frmBevitel *editor = frmBevitel::edit(m_folder, index, m_platform.messages, window()))
        connect(editor, &QDialog::finished, this, &KeyerPanel::listfeltolt);
}

void KeyerPanel::onListDoubleClicked(QListWidgetItem *item)
{
    const int i = item ? CwMemories::indexOfListLine(item->text()) : -1;
    if (i < 0)
        return;
    chameleonButton4[i]->setFocus();
    chameleonButton4[i]->click();
}

void KeyerPanel::onCharacterStarted(int, QChar c)
{
    // After "Stop TX" the monitor stays empty.
    if (m_keyer->isStopping())
        return;
    txtScreen->setText(txtScreen->text() + c);
    txtScreen->end(false);
}

void KeyerPanel::onFinished()
{
    if (m_pending >= 0) {
        const int next = std::exchange(m_pending, -1);
        SendMemory(next);
        return;
    }
    shPort->setColourValue(KeyerLamp::Green);
    emit idle();
}

void KeyerPanel::onFailed(const QString &reason)
{
    m_pending = -1;
    shPort->setColourValue(KeyerLamp::Green);
    m_platform.messages.show(MessageCatalogue::cwPortCannotOpen(m_port + QStringLiteral(": ") + reason));
    emit idle();
}
