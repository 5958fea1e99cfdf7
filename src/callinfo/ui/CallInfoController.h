#pragma once
#include "callinfo/KnownStations.h"
#include "contestlog/CallInfoHooks.h"
#include "platform/ProgramFolder.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

struct EntryLine;
class KnownStationsModel;
class PrefixTables;

// The call-sign information of the main window: DXCC country and zones of the call,
// the new-country marker and the known-stations list. The log entry calls these
// operations at their places in the call field's change handling, the save and the
// update.
class CallInfoController : public QObject, public CallInfoHooks
{
    Q_OBJECT
public:
    // The databases are those of `folder`.
    CallInfoController(const ProgramFolder &folder, EntryLine &entry, QObject *parent = nullptr);
    ~CallInfoController() override;

    // Start-up: reads the prefix tables of znakovi.mdb, opens (or creates) the
    // known-stations database evidencija.mdb of the program folder, gives DataGrid2
    // its model and lists every known station.
    void start();
    // Exit: closes the known-stations database.
    void closeDatabases();

    void LookupPrefix();
    void LookupPrefixForEdit();
    void CheckNewDxcc();
    void FindKnownStations();
    void RememberKnownStation();
    void AddKnownStation();
    void UpdateKnownStation();
    // The same for a given call and locator (the QSO just committed).
    void RememberKnownStation(const QString &call, const QString &locator);
    void AddKnownStation(const QString &call, const QString &locator);
    void UpdateKnownStation(const QString &call, const QString &locator);
    // `rememberedId`: the station the latest search found first (Text31 when the QSO was updated).
    void UpdateKnownStation(const QString &call, const QString &locator, const QString &rememberedId);

    // What the entry session asks (in the order of the call field's change handling).
    void callChanged(const QString &call, bool editing) override;
    void qsoLoaded(const QString &call) override;
    void qsoSaved(const QString &call, const QString &locator) override;
    void qsoUpdated(const QString &call, const QString &locator) override;

    // The change handler's step for an empty call field: blanks the country, zone and
    // new-country displays and their state fields.
    void ClearForEmptyCall();

    // After the stations changed behind the list (an import): lists the stations that
    // contain the call field again.
    void refreshKnownStations();

    // The store, with every write of a committed QSO done.
    KnownStations &knownStations();
    // Writes the stations of the QSOs committed since (normally right after the entry's reset).
    void flushPendingWrites();
    KnownStationsModel *knownStationsModel() const { return m_model; }
    // Replaces the prefix tables read at start-up (tests build their own).
    void setPrefixTables(std::shared_ptr<const PrefixTables> tables);

signals:
    // A known station was picked (click or Enter on its row): the log entry fills
    // call and locator, both trimmed.
    void stationPicked(const QString &call, const QString &locator);
    // After every search: the locator of the known station whose call is exactly
    // `call`, empty when no station has that call.
    void stationMatched(const QString &call, const QString &locator);
    // A change of the known stations could not be written; nothing was changed.
    void knownStationsError(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const PrefixTables *tables();
    QString callField() const;
    QString locatorField() const;
    void showResult(const KnownStations::Result &result);
    // Runs a change of the store and keeps the list showing the same stations.
    bool changeStations(const std::function<bool(QString *)> &change);
    void pickRow(int row);
    void attachList();

    ProgramFolder m_folder;
    EntryLine &m_entry;
    std::shared_ptr<const PrefixTables> m_tables;
    KnownStations m_stations;
    KnownStationsModel *m_model = nullptr;
    QPointer<class QTableView> m_list; // DataGrid2 once it shows our model
    struct PendingWrite
    {
        bool update = false;
        QString call;
        QString locator;
        QString rememberedId;
    };
    void scheduleWrites();
    QVector<PendingWrite> m_pending;
    bool m_writesQueued = false;
};
