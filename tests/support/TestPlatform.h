#pragma once
#include "FakeRtsLine.h"
#include "i18n/ui/MessageWindows.h"
#include "platform/FileChooser.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"
#include "platform/UtcClock.h"

#include <QPointer>
#include <QStringList>

// A clock that shows the time it is told: 2026-05-02 12:34:00 UTC unless changed.
class FixedClock : public UtcClock
{
public:
    QDateTime now{QDate(2026, 5, 2), QTime(12, 34, 0), Qt::UTC};
    QDateTime nowUtc() const override { return now; }
};

// Records the sounds a test would have heard.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &path) override { played << path; }
    QStringList played;
};

// Answers the file dialog with the files a test put in `chosen` (none: cancelled),
// and remembers how it was asked.
class ChosenFiles : public FileChooser
{
public:
    QString openFile(QWidget *, const QString &caption, const QString &folder, const QString &filter) override;
    QStringList openFiles(QWidget *, const QString &caption, const QString &folder, const QString &filter) override;

    QStringList chosen;
    QString caption, folder, filter;
    int asked = 0;
};

// Records the messages shown instead of opening windows; a test answers them.
class RecordingMessages : public Messages
{
public:
    void show(const MessageContent &message, QObject *receiver = nullptr, Answer answered = {}) override;

    // objectNames of the messages shown, in order.
    QStringList shown() const;
    const MessageContent *last(const QString &objectName) const;
    // Presses `button` in the latest message `objectName`; false when there is none
    // waiting for an answer.
    bool answer(const QString &objectName, const QString &button);

private:
    struct Shown
    {
        MessageContent content;
        QPointer<QObject> receiver;
        bool hasReceiver = false;
        Answer answered;
        bool open = true;
    };
    QList<Shown> m_shown;
};

// A platform for tests: fixed clock, sound recorder, chosen files, a recording keying
// line, and either the real message windows (the default, so a test can find and click
// them) or recorded ones.
class TestPlatform
{
public:
    enum class MessageMode { Windows, Recorded };
    explicit TestPlatform(MessageMode mode = MessageMode::Windows)
        : m_platform{clock, sound, files, mode == MessageMode::Windows ? static_cast<Messages &>(windows) : recorded,
                     rtsLines}
    {
    }
    TestPlatform(const TestPlatform &) = delete;
    TestPlatform &operator=(const TestPlatform &) = delete;

    Platform &platform() { return m_platform; }

    FixedClock clock;
    RecordingSoundPlayer sound;
    ChosenFiles files;
    MessageWindows windows;
    RecordingMessages recorded;
    FakeRtsLines rtsLines;

private:
    Platform m_platform;
};
