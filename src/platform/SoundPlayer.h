#pragma once
#include <QString>

// Fire-and-forget playback of a short warning sound. Tests install a recorder.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the file asynchronously; a missing file plays nothing and reports nothing.
    virtual void play(const QString &path) = 0;

    // The program-wide player (a QSoundEffect-based one unless replaced).
    static SoundPlayer *instance();
    // Replaces the program-wide player; the caller keeps ownership. nullptr restores the default.
    static void setInstance(SoundPlayer *player);
};
