#pragma once
#include <QHash>
#include <QString>

class QSoundEffect;

// Fire-and-forget playback of a short warning sound. Tests pass a recorder instead.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the file asynchronously; a missing file plays nothing and reports nothing.
    virtual void play(const QString &path) = 0;
};

// Plays through QSoundEffect.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer() = default;
    QtSoundPlayer(const QtSoundPlayer &) = delete;
    QtSoundPlayer &operator=(const QtSoundPlayer &) = delete;
    ~QtSoundPlayer() override;
    void play(const QString &path) override;

private:
    // Effects live as long as the player: creating one per warning would reload the file each time.
    QHash<QString, QSoundEffect *> m_effects;
};
