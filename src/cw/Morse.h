#pragma once
#include <QString>
#include <QVector>

// Morse code and the timing of the keyer. Everything here is plain computation; the
// keying thread (Keyer) plays the steps on the RTS line.
namespace Morse {

// Code of one character as dots and dashes ("-.--" for "y"), empty for a character that
// keys nothing: upper-case letters and every character not in the table. The blank is
// not in the table either; it is a pause (see characterSteps).
QString code(QChar c);

// The speed choices of the keyer panel, slowest first.
const QStringList &speedNames();
// "Slow" -> 1, "Medium" -> 88, "Fast" -> 175; any other text gives `previous`.
int speedValue(const QString &speedName, int previous = 0);

// Dash weight from the text of the weight field: its leading number rounded to the
// nearest whole number (halves to even). A text without a leading number, or one that
// would make a dash shorter than a dot, gives `previous`.
int dashWeight(const QString &text, int previous = 3);

struct Timing
{
    int elementMs = 25; // a dot, and the silence after each element
    int dashWeight = 3; // a dash lasts this many element times
};

// Timing of a speed value: the element lasts (150 - speedValue) + 50 ms.
Timing timingFor(int speedValue, int dashWeight);

// One step on the line: key down (RTS on) or up for `ms` milliseconds.
struct Step
{
    bool down = false;
    int ms = 0;
    bool operator==(const Step &o) const { return down == o.down && ms == o.ms; }
};

// Steps of one character: each element followed by one element of silence, the end of
// the character adds three more; a blank is three element times of silence; a character
// without a code gives no step at all.
QVector<Step> characterSteps(QChar c, const Timing &timing);

// Steps of a whole text, with neighbouring silences joined into one step.
QVector<Step> schedule(const QString &text, const Timing &timing);

}
