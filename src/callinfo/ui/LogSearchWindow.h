#pragma once
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class ChameleonButton;
class LogSearchTarget;
class Messages;

// The log search windows: MsBox1 searches the band's QSOs by call, MsBox2 by
// locator, on every change of the search field. Not modal; "Odustani" closes them.
class LogSearchWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { ByCall, ByLocator };

    // Shows the window of this kind, creating it when none is open.
    static LogSearchWindow *open(Kind kind, LogSearchTarget &target, Messages &messages, QWidget *parent = nullptr);

    LogSearchWindow(Kind kind, LogSearchTarget &target, Messages &messages, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    QLineEdit *searchField() const { return Text1; }

    void SearchLogByCall();
    void SearchLogByLocator();

private:
    void search();

    Kind m_kind;
    LogSearchTarget &m_target;
    Messages &m_messages;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    ChameleonButton *chameleonButton1 = nullptr;
};
