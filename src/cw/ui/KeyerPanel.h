#pragma once
#include "cw/Macros.h"
#include "platform/ProgramFolder.h"

#include <QWidget>
#include <array>
#include <memory>

class ChameleonButton;
class Keyer;
struct Platform;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The lamp shPort: green (colour value 65280) while idle, red (255) while a message is
// being sent.
class KeyerLamp : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Green = 65280;
    static constexpr int Red = 255;
    explicit KeyerLamp(QWidget *parent = nullptr);
    int colourValue() const { return m_value; }
    void setColourValue(int value);
    QSize sizeHint() const override { return {18, 18}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = Green;
};

// The CW keyer panel of the main window: the memory list "Memorije:", the nine memory
// buttons, "Unos teksta", "Stop TX", the monitor, the port and speed choices, the dash
// weight and the lamp. Sending runs on the keyer's thread; the window stays usable.
class KeyerPanel : public QWidget
{
    Q_OBJECT
public:
    // `macros` supplies the contest values for {MYCALL}, {CALL}, {NR}, {RST}, {MYLOC};
    // the memories are those of `folder`; the keying line and the messages come from
    // the platform.
    KeyerPanel(const ProgramFolder &folder, Platform &platform, MacroProvider macros, QWidget *parent = nullptr);
    ~KeyerPanel() override;

    // F1..F9 send memories 1..9 and Esc stops sending, whatever control of `window` has
    // the focus; the key does not reach that control.
    void installShortcuts(QWidget *window);

    Keyer &keyer() { return *m_keyer; }

    // A click on memory button i (0..8).
    void SendMemory(int i);
    // "Stop TX".
    void StopSending();
    // Refills "Memorije:" from the memory files.
    void listfeltolt();
    // "Unos teksta": the memory-number prompt.
    void showMemoryPrompt();

    QListWidget *List1 = nullptr;
    std::array<ChameleonButton *, 9> chameleonButton4{};
    ChameleonButton *chameleonButton5 = nullptr;  // "Stop TX"
    ChameleonButton *chameleonButton14 = nullptr; // "Unos teksta"
    QLineEdit *txtScreen = nullptr;               // monitor
    QComboBox *cboCw = nullptr;                   // port
    QComboBox *Combo3 = nullptr;                  // speed
    QLineEdit *txtSulyozas = nullptr;             // dash weight
    KeyerLamp *shPort = nullptr;

signals:
    // A message ended or failed and the lamp is green again.
    void idle();

private:
    void onListDoubleClicked(QListWidgetItem *item);
    void onCharacterStarted(int index, QChar c);
    void onFinished();
    void onFailed(const QString &reason);
    void openEditor(int index);

    Platform &m_platform;
    std::unique_ptr<Keyer> m_keyer;
    ProgramFolder m_folder;
    MacroProvider m_macros;
    int m_speedValue = 0;  // SpeedValue: kept when the speed choice is none of its texts
    int m_dashWeight = 3;  // DashWeight: kept when the weight field holds no usable number
    int m_pending = -1;    // memory pressed while a stopped message finishes its character
    QString m_port;        // the port choice of the message being sent
};
