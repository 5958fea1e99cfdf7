#include "station/ui/FormRadio.h"

#include "platform/ProgramSettings.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "controls/MessageCatalogue.h"
#include "station/HamlibDaemon.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel *caption(int number, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("Label%1").arg(number));
    return l;
}

QComboBox *combo(int number, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QStringLiteral("Combo%1").arg(number));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QLineEdit *field(int number, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Text%1").arg(number));
    return e;
}

// The model number at the start of "3073 Icom IC-7300", or what was typed.
QString modelNumber(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return blank > 0 ? t.left(blank) : t;
}

}

FormRadio::FormRadio(ProgramSettings &settings, Messages &messages, QWidget *owner)
    : QWidget(owner, Qt::Window), m_messages(messages), m_settings(settings)
{
    setObjectName(QStringLiteral("FormRadio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Radio i rotator"));

    m_rig = buildDevice(0, QStringLiteral("Radio"), QStringLiteral("rigctld"));
    m_rotator = buildDevice(1, QStringLiteral("Rotator"), QStringLiteral("rotctld"));

    auto *hint = caption(11, QStringLiteral("Brelog upravlja radiom i rotatorom preko Hamlib programa rigctld i "
                                            "rotctld (paket libhamlib-utils). Broj modela: rigctld -l ili rotctld -l."),
                         this);
    hint->setWordWrap(true);

    auto *save = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), this);
    auto *cancel = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Odustani"), this);
    for (ChameleonButton *b : {save, cancel})
        b->setMinimumWidth(100);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(m_rig.frame);
    layout->addWidget(m_rotator.frame);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    // The window sees every key before its fields (the arrow keys move the focus).
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    ApplySelectedLanguage(this);
    setSettings(m_settings.read<StationSettings>());
    setMinimumWidth(560);
}

FormRadio::Device FormRadio::buildDevice(int number, const QString &title, const QString &daemon)
{
    Device d;
    const int label = 1 + number * 5;
    d.frame = new QGroupBox(title, this);
    d.frame->setObjectName(QStringLiteral("Frame%1").arg(number + 1));
    d.frame->setCheckable(true);
    d.startsDaemon = new QRadioButton(QStringLiteral("Brelog pokreće %1 za model i uređaj:").arg(daemon), d.frame);
    d.startsDaemon->setObjectName(QStringLiteral("Option%1").arg(1 + number * 2));
    d.usesHost = new QRadioButton(QStringLiteral("%1 već radi na adresi:").arg(daemon), d.frame);
    d.usesHost->setObjectName(QStringLiteral("Option%1").arg(2 + number * 2));
    d.model = combo(1 + number * 3, d.frame);
    d.model->setMinimumWidth(260);
    d.device = combo(2 + number * 3, d.frame);
    d.device->setMinimumWidth(140);
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        d.device->addItem(port.systemLocation());
    d.speed = combo(3 + number * 3, d.frame);
    d.speed->addItems({QString(), QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                       QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")});
    d.speed->setValidator(new QIntValidator(0, 10000000, d.speed));
    d.host = field(1 + number * 2, d.frame);
    d.port = field(2 + number * 2, d.frame);
    d.port->setValidator(new QIntValidator(1, 65535, d.port));
    d.port->setMaximumWidth(80);

    auto *grid = new QGridLayout(d.frame);
    grid->setHorizontalSpacing(8);
    grid->addWidget(d.startsDaemon, 0, 0, 1, 4);
    grid->addWidget(caption(label, QStringLiteral("Model:"), d.frame), 1, 0);
    grid->addWidget(d.model, 1, 1, 1, 3);
    grid->addWidget(caption(label + 1, QStringLiteral("Uređaj:"), d.frame), 2, 0);
    grid->addWidget(d.device, 2, 1);
    grid->addWidget(caption(label + 2, QStringLiteral("Brzina:"), d.frame), 2, 2);
    grid->addWidget(d.speed, 2, 3);
    grid->addWidget(d.usesHost, 3, 0, 1, 4);
    grid->addWidget(caption(label + 3, QStringLiteral("Adresa:"), d.frame), 4, 0);
    grid->addWidget(d.host, 4, 1);
    grid->addWidget(caption(label + 4, QStringLiteral("Port:"), d.frame), 4, 2);
    grid->addWidget(d.port, 4, 3);
    grid->setColumnStretch(1, 1);

    Device *self = number == 0 ? &m_rig : &m_rotator;
    connect(d.startsDaemon, &QRadioButton::toggled, this, [self] { followChoice(*self); });
    loadModels(d, daemon);
    return d;
}

void FormRadio::loadModels(Device &d, const QString &daemon)
{
    // The model list comes from Hamlib itself, read in the background.
    const QString exe = QStandardPaths::findExecutable(daemon);
    if (exe.isEmpty())
        return;
    // Not a child of the window: closing the window early must not kill it half way.
    auto *list = new QProcess;
    QPointer<QComboBox> model = d.model;
    connect(list, &QProcess::finished, list, [list, model] {
        list->deleteLater();
        if (!model)
            return;
        const QString typed = model->currentText();
        const QSignalBlocker block(model);
        for (const HamlibDaemon::Model &m : HamlibDaemon::parseModelList(list->readAllStandardOutput()))
            model->addItem(m.number + QLatin1Char(' ') + m.name, m.number);
        // What the settings held stays, now shown with its name where Hamlib knows it.
        const int i = model->findData(modelNumber(typed));
        if (i >= 0)
            model->setCurrentIndex(i);
        else
            model->setCurrentText(typed);
    });
    list->setStandardErrorFile(QProcess::nullDevice());
    list->start(exe, {QStringLiteral("-l")});
}

void FormRadio::followChoice(Device &d)
{
    const bool daemon = d.startsDaemon->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{d.model, d.device, d.speed})
        w->setEnabled(daemon);
    for (QWidget *w : std::initializer_list<QWidget *>{d.host, d.port})
        w->setEnabled(!daemon);
}

void FormRadio::setDevice(Device &d, const HamlibDeviceSettings &s, quint16 defaultPort)
{
    d.frame->setChecked(s.enabled);
    (s.startsDaemon() ? d.startsDaemon : d.usesHost)->setChecked(true);
    const int i = d.model->findData(s.model);
    if (i >= 0)
        d.model->setCurrentIndex(i);
    else
        d.model->setCurrentText(s.model);
    d.device->setCurrentText(s.device);
    d.speed->setCurrentText(s.speed > 0 ? QString::number(s.speed) : QString());
    d.host->setText(s.startsDaemon() ? QStringLiteral("localhost") : s.host);
    d.port->setText(QString::number(s.port ? s.port : defaultPort));
    followChoice(d);
}

HamlibDeviceSettings FormRadio::readDevice(const Device &d)
{
    HamlibDeviceSettings s;
    s.enabled = d.frame->isChecked();
    s.model = modelNumber(d.model->currentText());
    s.device = d.device->currentText().trimmed();
    s.speed = qMax(0, d.speed->currentText().trimmed().toInt());
    s.host = d.usesHost->isChecked() ? d.host->text().trimmed() : QString();
    s.port = quint16(d.port->text().trimmed().toUInt());
    return s;
}

void FormRadio::setSettings(const StationSettings &s)
{
    setDevice(m_rig, s.rig, StationSettings::RigDefaultPort);
    setDevice(m_rotator, s.rotator, StationSettings::RotatorDefaultPort);
}

StationSettings FormRadio::settings() const
{
    return {readDevice(m_rig), readDevice(m_rotator)};
}

void FormRadio::save()
{
    const StationSettings s = settings();
    QString error;
    if (!m_settings.write(s, &error)) {
        m_messages.show(MessageCatalogue::stationSettingsNotStored(error));
        return;
    }
    emit settingsSaved(s);
    close();
}

bool FormRadio::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) && key->modifiers() == Qt::NoModifier
            && !qobject_cast<QComboBox *>(watched->parent())) {
            focusNextPrevChild(key->key() == Qt::Key_Right);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

FormRadio *FormRadio::open(ProgramSettings &settings, Messages &messages, QWidget *owner)
{
    static QPointer<FormRadio> window;
    return showSingleWindow(window, [&settings, &messages, owner] { return new FormRadio(settings, messages, owner); });
}
