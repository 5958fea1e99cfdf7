#pragma once
#include <QObject>

struct EntryLine;

// The call-sign information of the main window: DXCC country and zones of the call,
// the new-country marker and the known-stations list. The log entry calls these
// operations at their places in the call field's change handling, the save and the
// update.
class CallInfoController : public QObject
{
    Q_OBJECT
public:
    explicit CallInfoController(EntryLine &entry, QObject *parent = nullptr);
    ~CallInfoController() override;

    // Start-up: opens the known-stations database and lists every known station.
    void start();

    void LookupPrefix();
    void LookupPrefixForEdit();
    void CheckNewDxcc();
    void FindKnownStations();
    void RememberKnownStation();
    void UpdateKnownStation();

    // The change handler's step for an empty call field: blanks the country, zone and
    // new-country displays and their state fields.
    void ClearForEmptyCall();

signals:
    // A known station was picked: the log entry fills call and locator.
    void stationPicked(const QString &call, const QString &locator);

private:
    EntryLine &m_entry;
};
