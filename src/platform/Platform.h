#pragma once

class FileChooser;
class Messages;
class SoundPlayer;
class UtcClock;
class RtsLine;

// What the program takes from the machine and the operator outside its own windows,
// in one place. The program builds one from the real adapters at start-up and passes
// it to the windows that need it; a test passes fakes (a fixed clock, a sound
// recorder, chosen files, answered messages).
struct Platform
{
    UtcClock &clock;
    SoundPlayer &sound;
    FileChooser &files;
    Messages &messages;
    // The serial RTS line that keys the transmitter (platform/RtsLine.h comes with the
    // keyer); nullptr until a keyer owns one.
    RtsLine *rtsLine = nullptr;
};
