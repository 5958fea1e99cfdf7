#pragma once
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class ChameleonButton;
class LogSearchTarget;

// The log search windows: MsBox1 searches the band's QSOs by call, MsBox2 by
// locator, on every change of the search field. Not modal; "Odustani" closes them.
class MsBox : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { ByCall, ByLocator };

    // Shows the window of this kind, creating it when none is open.
    static MsBox *open(Kind kind, LogSearchTarget &target, QWidget *parent = nullptr);

    MsBox(Kind kind, LogSearchTarget &target, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    QLineEdit *searchField() const { return Text1; }

    void SearchLogByCall();
    void SearchLogByLocator();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();

    Kind m_kind;
    LogSearchTarget &m_target;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    ChameleonButton *chameleonButton1 = nullptr;
};
