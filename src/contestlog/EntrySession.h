#pragma once
#include "contestlog/BandLogModel.h"
#include "contestlog/LogStore.h"

#include <QList>
#include <QObject>
#include <optional>

class CallInfoHooks;
class ContestContext;
class SoundPlayer;

// The entry line without its widgets: what the operator typed, the mode (new QSO or
// editing a logged one), the figures computed for the entry (QRB, bearing, duplicate
// mark, country), the band's rows with their totals and the next serial, and the steps
// that follow every change of the log, in the order the entry's behaviour depends on.
// The main window's entry line binds its fields to this; the exports, statistics,
// keyer and radio read it.
class EntrySession : public QObject
{
    Q_OBJECT
public:
    enum class Mode { New, Edit };
    // The fields of the entry the checks can name, in the order of the entry line.
    enum class Field { Call, RstReceived, SerialReceived, Locator, RstSent, SerialSent };

    // What the operator typed, as shown.
    struct Draft
    {
        QString time; // the clock's while entering, the logged QSO's while editing
        QString date;
        QString call;
        QString rstSent;
        QString serialSent;
        QString mode;
        QString rstReceived;
        QString serialReceived;
        QString locator;
    };

    struct Outcome
    {
        enum Status { Done, MissingData, NotANumber, BadLocator, BadOwnLocator, NothingLoaded, DatabaseError };
        Status status = Done;
        QList<Field> fields;    // the missing fields in entry order, or the field refused
        QString error;          // the database's reason
        bool ownLocatorTooLong = false;
        bool ok() const { return status == Done; }
    };

    // The own call and locator, the bands' modes and the program folder come from `context`.
    explicit EntrySession(ContestContext &context, QObject *parent = nullptr);

    void setDatabase(QSqlDatabase db) { m_store.setDatabase(db); }
    LogStore &store() { return m_store; }
    // The band's rows, which the log grid shows.
    BandLogModel &log() { return m_log; }
    const BandLogModel &log() const { return m_log; }
    void setCallInfo(CallInfoHooks *hooks) { m_hooks = hooks; }
    // Where the duplicate warning sounds; none, no sound.
    void setSound(SoundPlayer *sound) { m_sound = sound; }

    // --- what the entry holds
    Mode mode() const { return m_mode; }
    std::optional<qint64> editedId() const { return m_editedId; }
    const Draft &draft() const { return m_draft; }
    QString currentCall() const { return m_draft.call; }
    QString serialToSend() const { return m_draft.serialSent; }
    // The serial sent as a plain number text ("012" -> "12"); unchanged when no number.
    QString serialSentAsNumber() const;
    QString sentReport() const { return m_draft.rstSent; }
    QString modeText() const { return m_draft.mode; }
    QString band() const { return m_band; }
    QString ownCall() const;
    QString ownLocator() const;
    // What the locator field holds after the reset: the own locator's field letters.
    QString locatorPrefill() const { return ownLocator().left(2); }

    // --- figures of the entry
    QString qrbText() const { return m_qrb; }         // shown while editing
    QString bearingText() const { return m_bearing; }
    QString duplicateMark() const { return m_dupla; } // "D", "-" or empty before any test
    bool isDuplicate() const { return m_dupla == QLatin1String("D"); }
    QString country() const { return m_country; }     // country name of the call
    QString countryMarker() const { return m_marker; } // stored in DXCCd
    const BandTotals &totals() const { return m_log.totals(); }
    qint64 nextSerial() const { return totals().nextSerial(); }
    // The next serial as the serial field shows it ("007").
    QString nextSerialText() const;

    // --- the operator's typing (the entry line calls these on every change)
    void setCall(const QString &call);
    void setTime(const QString &t) { m_draft.time = t; }
    void setDate(const QString &d) { m_draft.date = d; }
    void setRstSent(const QString &t) { m_draft.rstSent = t; }
    void setSerialSent(const QString &t) { m_draft.serialSent = t; }
    void setModeText(const QString &t) { m_draft.mode = t; }
    void setRstReceived(const QString &t) { m_draft.rstReceived = t; }
    void setSerialReceived(const QString &t) { m_draft.serialReceived = t; }
    void setLocator(const QString &t) { m_draft.locator = t; }
    // The call-sign information's result for the current call.
    void setCountry(const QString &name, const QString &marker);
    void setCountryName(const QString &name) { m_country = name; }

    // --- changes of the log and the entry
    Outcome save();
    Outcome update();
    // Deletes the loaded QSO (nothing when none is loaded); false on a database failure.
    bool remove(QString *error = nullptr);
    // Selects a band: its rows are read and the entry starts afresh.
    bool changeBand(const QString &band, QString *error = nullptr);
    // Reads the band's rows again (the working file changed).
    bool reload(QString *error = nullptr);
    // Reads the band's rows again after another PC changed them, leaving the entry as it is.
    bool refreshFromElsewhere(QString *error = nullptr);
    // Loads a logged QSO into the entry for editing.
    void loadForEditing(const QsoRow &row);
    // The reports by mode: "599" for CW and RTTY, "59" otherwise.
    void applyReportDefaults();
    // The mode stored for the band in the contest data.
    void applyBandMode();
    void resetEntry();

signals:
    // The program changed the draft (reset, load, report defaults): the fields follow.
    void draftChanged();
    // The entry was made ready for a new QSO (after every change, a reload, a band change).
    void entryReset();
    // The duplicate test ran; `warn` when the warning is to be shown.
    void duplicateChecked(bool warn);
    void figuresChanged();
    void totalsChanged();
    // The band's row `row` is the one to show as current (-1: none).
    void currentRowChanged(int row);

private:
    Outcome check(QsoEntry &entry);
    bool computeQrbBearing(Outcome &outcome);
    QList<Field> missingFields() const;
    void runCallChecks();
    void checkDuplicate();
    void afterChange();

    LogStore m_store;
    BandLogModel m_log;
    CallInfoHooks *m_hooks = nullptr;
    ContestContext &m_context;
    SoundPlayer *m_sound = nullptr;
    QString m_band;
    Mode m_mode = Mode::New;
    std::optional<qint64> m_editedId;
    Draft m_draft;
    QString m_qrb, m_bearing, m_dupla;
    double m_latitude = 0, m_longitude = 0;
    QString m_country, m_marker;
    // The call and stored DXCCd of the QSO loaded for editing: an update that keeps
    // the call keeps the stored country.
    QString m_loadedCall, m_loadedDxccd;
};
