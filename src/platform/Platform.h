#pragma once

class FileChooser;
class Messages;
class SoundPlayer;
class UtcClock;
class RtsLines;

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
    // The serial RTS lines that key the transmitter (platform/RtsLine.h).
    RtsLines &rtsLines;
};
