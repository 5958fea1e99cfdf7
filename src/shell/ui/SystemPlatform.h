#pragma once
#include "i18n/ui/MessageWindows.h"
#include "platform/Platform.h"
#include "platform/RtsLine.h"
#include "platform/SoundPlayer.h"
#include "platform/UtcClock.h"
#include "platform/ui/DialogFileChooser.h"

// The real adapters of the running program: the system clock, QSoundEffect, the
// system's file dialog, the relabelled message windows and the serial ports' RTS lines.
class SystemPlatform
{
public:
    Platform &platform() { return m_platform; }

private:
    SystemUtcClock m_clock;
    QtSoundPlayer m_sound;
    DialogFileChooser m_files;
    MessageWindows m_messages;
    SerialRtsLines m_rtsLines;
    Platform m_platform{m_clock, m_sound, m_files, m_messages, m_rtsLines};
};
