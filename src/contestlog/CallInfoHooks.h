#pragma once
#include <QString>

// What the entry session asks of the call-sign information (country lookup, new
// country, known stations), which lives in a subsystem above the log. The main window
// gives the session an implementation; without one the entry works without lookups.
class CallInfoHooks
{
public:
    virtual ~CallInfoHooks() = default;
    // The call changed (typed, or set in one piece by the program); `editing`: a logged
    // QSO is loaded and the edit set of the lookup shows. Runs the lookup, the
    // new-country check and the known-stations search, and blanks the displays for an
    // empty call. The session's call is already `call`.
    virtual void callChanged(const QString &call, bool editing) = 0;
    // A logged QSO was loaded for editing: the lookup of the loaded call.
    virtual void qsoLoaded(const QString &call) = 0;
    // A QSO was committed: the known stations learn (or correct) the station.
    virtual void qsoSaved(const QString &call, const QString &locator) = 0;
    virtual void qsoUpdated(const QString &call, const QString &locator) = 0;
};
