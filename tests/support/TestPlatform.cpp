#include "TestPlatform.h"

QString ChosenFiles::openFile(QWidget *, const QString &c, const QString &d, const QString &f)
{
    caption = c;
    folder = d;
    filter = f;
    ++asked;
    return chosen.value(0);
}

QStringList ChosenFiles::openFiles(QWidget *, const QString &c, const QString &d, const QString &f)
{
    caption = c;
    folder = d;
    filter = f;
    ++asked;
    return chosen;
}

void RecordingMessages::show(const MessageContent &message, QObject *receiver, Answer answered)
{
    m_shown.append({message, receiver, receiver != nullptr, std::move(answered), true});
}

QStringList RecordingMessages::shown() const
{
    QStringList names;
    for (const Shown &s : m_shown)
        names << s.content.objectName;
    return names;
}

const MessageContent *RecordingMessages::last(const QString &objectName) const
{
    for (auto it = m_shown.crbegin(); it != m_shown.crend(); ++it)
        if (it->content.objectName == objectName)
            return &it->content;
    return nullptr;
}

bool RecordingMessages::answer(const QString &objectName, const QString &button)
{
    for (auto it = m_shown.rbegin(); it != m_shown.rend(); ++it) {
        if (it->content.objectName != objectName || !it->open)
            continue;
        it->open = false;
        // A receiver that is gone takes no answer, as with a real window.
        if (it->answered && (!it->hasReceiver || it->receiver))
            it->answered(button);
        return true;
    }
    return false;
}
