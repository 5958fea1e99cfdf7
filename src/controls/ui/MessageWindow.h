#pragma once
#include "platform/Messages.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QLabel;
class ChameleonButton;

// The small message windows: no title bar, always on top, not blocking, a warning
// picture, one or two text lines and one or two buttons. They are shown without
// taking the keyboard focus, so what the operator types keeps going to the window he
// works in; once he gives one the focus, Enter and Space press its focused button.
// One window per objectName exists at a time; showing it again brings it forward.
class MessageWindow : public QWidget
{
    Q_OBJECT
public:
    using ButtonSpec = MessageContent::Button;

    // Lines are shown as labels Label1, Label2, ... unless given names in `lineNames`.
    MessageWindow(const QString &objectName, const QStringList &lines, const QList<ButtonSpec> &buttons,
                  const QStringList &lineNames = {}, QWidget *parent = nullptr);
    explicit MessageWindow(const MessageContent &content, QWidget *parent = nullptr);

    // Shows (or brings forward) the window `objectName` with one text and "U redu"
    // (chameleonButton1). The window closes itself when the button is pressed.
    static MessageWindow *showMessage(const QString &objectName, const QString &text);
    // Shows `window` on top, centred on the active window, without activating it.
    static MessageWindow *showWindow(MessageWindow *window);
    // The open message window of that objectName, or nullptr.
    static MessageWindow *find(const QString &objectName);

    QString text() const;
    ChameleonButton *button(const QString &objectName) const;

signals:
    // Emitted before the window closes itself.
    void buttonClicked(const QString &buttonObjectName);

protected:
    void paintEvent(class QPaintEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QList<QLabel *> m_lines;
    QList<ChameleonButton *> m_buttons;
    // The window the operator works in while this one is being shown: it gets the
    // activation back should the platform hand it to this window on show.
    QPointer<QWidget> m_handBackTo;
};
