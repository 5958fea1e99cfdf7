#pragma once
#include <QString>
#include <functional>

// The contest values a memory text can name: {MYCALL}, {CALL}, {NR}, {RST}, {MYLOC}.
struct MacroValues
{
    QString myCall;   // own call of the contest data
    QString call;     // call in the entry line
    QString nr;       // serial number to send, as the entry shows it
    QString rst;      // report to send
    QString myLocator;
};

// Reads the current values when a memory starts sending; the main window supplies it.
using MacroProvider = std::function<MacroValues()>;

namespace Macros {

// Replaces each known {NAME} (any letter case) by its value, trimmed and in lower case,
// since the Morse table keys lower-case letters only. Text outside the braces and
// unknown names stay exactly as written.
QString expand(const QString &text, const MacroValues &values);

}
