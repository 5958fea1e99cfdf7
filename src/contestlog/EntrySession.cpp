#include "contestlog/EntrySession.h"

#include "contest/BandLabels.h"
#include "contest/ContestContext.h"
#include "contestlog/CallInfoHooks.h"
#include "geo/Locator.h"
#include "platform/SoundPlayer.h"

namespace {

QString threeDigits(qint64 n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

// "00.0000": at least two integer digits, four decimals, "-" in front when negative.
QString coordinateText(double v)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(v), 7, 'f', 4, QLatin1Char('0'));
    return v < 0 && digits != QLatin1String("00.0000") ? QLatin1Char('-') + digits : digits;
}

bool wholeNumber(const QString &text, qint64 &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok;
}

}

EntrySession::EntrySession(ContestContext &context, QObject *parent) : QObject(parent), m_context(context) {}

QString EntrySession::serialSentAsNumber() const
{
    bool ok = false;
    const qlonglong n = m_draft.serialSent.trimmed().toLongLong(&ok);
    return ok ? QString::number(n) : m_draft.serialSent;
}

QString EntrySession::nextSerialText() const
{
    return threeDigits(nextSerial());
}

QString EntrySession::ownCall() const
{
    return m_context.contestData().settings().pozivniZnak;
}

QString EntrySession::ownLocator() const
{
    return m_context.contestData().settings().lokator;
}

void EntrySession::setCountry(const QString &name, const QString &marker)
{
    m_country = name;
    m_marker = marker;
}

// ---------------------------------------------------------------------------------
// The call and its checks

void EntrySession::setCall(const QString &call)
{
    if (call == m_draft.call)
        return;
    m_draft.call = call;
    runCallChecks();
}

void EntrySession::runCallChecks()
{
    // The duplicate test first: the lookups that follow read the band with it done.
    checkDuplicate();
    if (m_hooks)
        m_hooks->callChanged(m_draft.call, m_mode == Mode::Edit);
}

void EntrySession::checkDuplicate()
{
    bool warn = false;
    if (m_log.isEmpty()) {
        m_dupla = QStringLiteral("-");
    } else if (m_log.isDuplicate(m_draft.call, serialSentAsNumber())) {
        m_dupla = QStringLiteral("D");
        m_qrb = QStringLiteral("0");
        warn = true;
        if (m_sound)
            m_sound->play(m_context.folder().file(QStringLiteral("zvukovi/dupla.wav")));
    } else {
        m_dupla = QStringLiteral("-");
    }
    emit duplicateChecked(warn);
    emit figuresChanged();
}

// ---------------------------------------------------------------------------------
// Checks before a QSO is written

QList<EntrySession::Field> EntrySession::missingFields() const
{
    // Only an empty text is missing; a field holding a blank passes.
    QList<Field> missing;
    if (m_draft.call.isEmpty())
        missing << Field::Call;
    if (m_draft.serialReceived.isEmpty())
        missing << Field::SerialReceived;
    if (m_draft.locator.isEmpty())
        missing << Field::Locator;
    return missing;
}

bool EntrySession::computeQrbBearing(Outcome &o)
{
    const QString own = ownLocator();
    const Geo::QrbResult r = Geo::computeQrb(own, m_draft.locator);
    o.ownLocatorTooLong = r.ownTooLong;
    m_latitude = r.other.latitude;
    m_longitude = r.other.longitude;
    if (!r.valid) {
        // Neither locator is emptied: the operator corrects what was typed.
        m_qrb = m_bearing = QStringLiteral("0");
        o.status = Geo::computeQrb(own, own).valid ? Outcome::BadLocator : Outcome::BadOwnLocator;
        o.fields = {Field::Locator};
        emit figuresChanged();
        return false;
    }
    m_qrb = QString::number(r.qrb);
    m_bearing = QString::number(r.bearing);
    if (m_draft.locator == own) {
        m_qrb = QStringLiteral("1");
        m_bearing = QStringLiteral("0");
    }
    if (isDuplicate())
        m_qrb = QStringLiteral("0");
    emit figuresChanged();
    return true;
}

EntrySession::Outcome EntrySession::check(QsoEntry &e)
{
    Outcome o;
    // Nothing reaches the log that is not a whole number in a numeric column.
    const std::pair<Field, const QString *> numbers[] = {{Field::RstSent, &m_draft.rstSent},
                                                         {Field::SerialSent, &m_draft.serialSent},
                                                         {Field::RstReceived, &m_draft.rstReceived},
                                                         {Field::SerialReceived, &m_draft.serialReceived}};
    qint64 *targets[] = {&e.rsts, &e.nrs, &e.rstr, &e.nrr};
    for (int i = 0; i < 4; ++i) {
        if (!wholeNumber(*numbers[i].second, *targets[i])) {
            o.status = Outcome::NotANumber;
            o.fields = {numbers[i].first};
            return o;
        }
    }
    if (!computeQrbBearing(o))
        return o;
    const BandTotals &t = totals();
    e.time = m_draft.time;
    e.date = m_draft.date;
    e.call = m_draft.call;
    e.mode = m_draft.mode;
    e.loc = m_draft.locator;
    e.qrb = m_qrb.toLongLong();
    e.bearing = m_bearing.toLongLong();
    // The row records the band's totals without itself.
    e.qsos = t.count;
    e.odx = t.odx;
    e.points = t.points;
    e.dupla = m_dupla;
    e.latitu = coordinateText(m_latitude);
    const QString magnitude = coordinateText(qAbs(m_longitude));
    e.longitu = m_longitude < 0 ? QLatin1Char('-') + magnitude : magnitude;
    e.dxccd = m_marker;
    e.band = m_band;
    return o;
}

// ---------------------------------------------------------------------------------
// Save, update, delete

EntrySession::Outcome EntrySession::save()
{
    Outcome o;
    o.fields = missingFields();
    if (!o.fields.isEmpty()) {
        o.status = Outcome::MissingData;
        return o; // the entry stays as typed
    }
    QsoEntry e;
    o = check(e);
    if (!o.ok())
        return o;
    const std::optional<QsoRow> row = m_store.save(e, &o.error);
    if (!row) {
        o.status = Outcome::DatabaseError;
        return o;
    }
    m_log.append(*row);
    if (m_hooks)
        m_hooks->qsoSaved(e.call, e.loc);
    emit currentRowChanged(m_log.size() - 1);
    afterChange();
    applyReportDefaults();
    return o;
}

EntrySession::Outcome EntrySession::update()
{
    Outcome o;
    o.fields = missingFields();
    if (!o.fields.isEmpty()) {
        o.status = Outcome::MissingData;
        return o;
    }
    if (m_editedId && m_log.indexOfId(*m_editedId) >= 0) {
        QsoEntry e;
        o = check(e);
        if (!o.ok())
            return o;
        // An update that keeps the call keeps the country stored with the QSO.
        if (e.call == m_loadedCall)
            e.dxccd = m_loadedDxccd;
        const std::optional<QsoRow> row = m_store.update(*m_editedId, e, &o.error);
        if (!row) {
            o.status = Outcome::DatabaseError;
            return o;
        }
        m_log.replace(*row);
        if (m_hooks)
            m_hooks->qsoUpdated(e.call, e.loc);
    } else {
        o.status = Outcome::NothingLoaded; // nothing written; the entry starts afresh all the same
    }
    emit currentRowChanged(m_log.size() - 1);
    afterChange();
    applyReportDefaults();
    return o;
}

bool EntrySession::remove(QString *error)
{
    if (m_editedId && m_log.indexOfId(*m_editedId) >= 0) {
        if (!m_store.remove(*m_editedId, error))
            return false;
        m_log.removeId(*m_editedId);
        emit currentRowChanged(m_log.isEmpty() ? -1 : 0);
    }
    afterChange();
    return true;
}

void EntrySession::afterChange()
{
    // The steps that close every change of the log: a clean entry, then the totals.
    resetEntry();
    m_draft.serialSent = nextSerialText();
    emit totalsChanged();
    emit draftChanged();
}

// ---------------------------------------------------------------------------------
// Band and entry

bool EntrySession::changeBand(const QString &band, QString *error)
{
    m_band = band.trimmed();
    return reload(error);
}

bool EntrySession::reload(QString *error)
{
    QVector<QsoRow> rows;
    const bool ok = m_store.bandRows(m_band, rows, error);
    m_log.reset(std::move(rows));
    emit currentRowChanged(m_log.size() - 1);
    afterChange();
    return ok;
}

bool EntrySession::refreshFromElsewhere(QString *error)
{
    QVector<QsoRow> rows;
    if (!m_store.bandRows(m_band, rows, error))
        return false;
    m_log.reset(std::move(rows));
    const int edited = m_editedId ? m_log.indexOfId(*m_editedId) : -1;
    emit currentRowChanged(edited >= 0 ? edited : m_log.size() - 1);
    emit totalsChanged();
    return true;
}

void EntrySession::applyReportDefaults()
{
    const QString &mode = m_draft.mode;
    const QString report = (mode == QLatin1String("CW") || mode == QLatin1String("RTTY")) ? QStringLiteral("599")
                                                                                            : QStringLiteral("59");
    m_draft.rstSent = m_draft.rstReceived = report;
    emit draftChanged();
}

void EntrySession::applyBandMode()
{
    const int k = BandLabels::number(m_band);
    if (k > 0)
        m_draft.mode = m_context.contestData().settings().bands.at(k).mode;
}

void EntrySession::resetEntry()
{
    if (!m_draft.call.isEmpty()) {
        // Emptying the call runs its checks in the mode before the reset.
        m_draft.call.clear();
        runCallChecks();
    }
    applyReportDefaults(); // by the mode shown before the band's mode comes back
    applyBandMode();
    m_draft.serialReceived.clear();
    m_draft.locator = locatorPrefill();
    m_qrb.clear();
    m_bearing.clear();
    m_dupla.clear();
    m_country.clear();
    m_marker.clear();
    m_loadedCall.clear();
    m_loadedDxccd.clear();
    m_editedId.reset();
    m_mode = Mode::New;
    emit entryReset();
    emit figuresChanged();
    emit draftChanged();
}

void EntrySession::loadForEditing(const QsoRow &r)
{
    m_draft.time = r.time.trimmed();
    // The serial first: the call's duplicate test then never matches the loaded QSO.
    m_draft.serialSent = r.nrs.trimmed();
    setCall(r.call.trimmed());
    m_draft.rstSent = r.rsts.trimmed();
    m_draft.mode = r.mode.trimmed();
    m_draft.rstReceived = r.rstr.trimmed();
    m_draft.serialReceived = r.nrr.trimmed();
    m_draft.locator = r.loc.trimmed();
    m_qrb = r.qrb.trimmed();
    m_bearing = r.bearing.trimmed();
    m_dupla = r.dupla.trimmed();
    m_draft.date = r.date.trimmed();
    m_editedId = r.id;
    if (isDuplicate())
        m_qrb = QStringLiteral("0");
    emit duplicateChecked(isDuplicate());
    for (QString *serial : {&m_draft.serialReceived, &m_draft.serialSent}) {
        qint64 v = 0;
        if (wholeNumber(*serial, v))
            *serial = threeDigits(v);
    }
    m_mode = Mode::Edit;
    if (m_hooks)
        m_hooks->qsoLoaded(m_draft.call);
    // The loaded QSO's own country, whatever was typed before it.
    m_marker = m_loadedDxccd = r.dxccd.trimmed();
    m_loadedCall = m_draft.call;
    emit figuresChanged();
    emit draftChanged();
}
