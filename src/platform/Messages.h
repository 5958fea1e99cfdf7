#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// One small message window: its objectName (the language packs address it by that
// name), its lines and its buttons.
struct MessageContent
{
    struct Button
    {
        QString objectName;
        QString caption;
    };
    QString objectName;
    QStringList lines;     // shown as Label1, Label2, ... unless named in lineNames
    QStringList lineNames;
    QList<Button> buttons;
    // Lines that carry a value (a reason, a count) rather than a fixed text: the
    // language packs leave them alone.
    QStringList valueLines;
    // A window that carries a value replaces an open one of its name, so it never
    // shows a stale value; the others are brought forward instead.
    bool replacesOpen = false;
};

// Shows message windows and reports the operator's answer. The program shows real,
// relabelled windows that stay on top without blocking; a test records what was shown
// and answers it.
class Messages
{
public:
    // Runs with the objectName of the button pressed; the window has closed itself.
    using Answer = std::function<void(const QString &button)>;

    virtual ~Messages() = default;
    // Shows `message` without waiting. `answered` runs when it is answered, as long as
    // `receiver` (when given) still exists.
    virtual void show(const MessageContent &message, QObject *receiver = nullptr, Answer answered = {}) = 0;
};
