#pragma once
#include "station/StationSettings.h"

#include <QWidget>

class Messages;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// "Radio i rotator": how Brelog reaches the radio and the rotator through Hamlib.
// For each: on or off (the checkable frame), and either a model with its serial
// device and speed (Brelog starts rigctld/rotctld itself) or the host and port of a
// daemon that already runs. "Spremi" writes brelog.ini and hands the settings on.
//   Frame1 radio: Option1 model / Option2 host; Combo1 model, Combo2 device,
//     Combo3 speed, Text1 host, Text2 port; captions Label1..Label5.
//   Frame2 rotator: Option3 / Option4; Combo4, Combo5, Combo6, Text3, Text4;
//     captions Label6..Label10.
//   Label11 the hint on Hamlib; chameleonButton1 "Spremi", chameleonButton2 "Odustani".
class ProgramSettings;

class FormRadio : public QWidget
{
    Q_OBJECT
public:
    // The settings are read from and stored into `settings` (brelog.ini); messages go
    // to `messages`.
    FormRadio(ProgramSettings &settings, Messages &messages, QWidget *owner = nullptr);

    // Menu "Radio i rotator": shows the window without blocking, creating it if needed.
    static FormRadio *open(ProgramSettings &settings, Messages &messages, QWidget *owner);

    void setSettings(const StationSettings &s);
    StationSettings settings() const;
    // "Spremi": writes `iniFile` (brelog.ini of the program folder unless a test names another).
    void save();

signals:
    void settingsSaved(const StationSettings &settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Device
    {
        QGroupBox *frame = nullptr;
        QRadioButton *startsDaemon = nullptr;
        QRadioButton *usesHost = nullptr;
        QComboBox *model = nullptr;
        QComboBox *device = nullptr;
        QComboBox *speed = nullptr;
        QLineEdit *host = nullptr;
        QLineEdit *port = nullptr;
    };
    Device buildDevice(int number, const QString &title, const QString &daemon);
    void loadModels(Device &d, const QString &daemon);
    static void setDevice(Device &d, const HamlibDeviceSettings &s, quint16 defaultPort);
    static HamlibDeviceSettings readDevice(const Device &d);
    static void followChoice(Device &d);

    Messages &m_messages;
    Device m_rig;
    Device m_rotator;
    ProgramSettings &m_settings;
};
