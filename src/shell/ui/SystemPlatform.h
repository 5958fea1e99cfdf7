#pragma once
#include "i18n/ui/MessageWindows.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"
#include "platform/UtcClock.h"
#include "platform/ui/DialogFileChooser.h"

// The real adapters of the running program: the system clock, QSoundEffect, the
// system's file dialog and the relabelled message windows.
class SystemPlatform
{
public:
    Platform &platform() { return m_platform; }

private:
    SystemUtcClock m_clock;
    QtSoundPlayer m_sound;
    DialogFileChooser m_files;
    MessageWindows m_messages;
    Platform m_platform{m_clock, m_sound, m_files, m_messages};
};
