#include "callinfo/ui/CallInfoController.h"

#include "callinfo/PrefixTables.h"
#include "callinfo/WorkedDxcc.h"
#include "callinfo/ui/KnownStationsModel.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryLine.h"
#include "platform/ProgramFolder.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

CallInfoController::CallInfoController(const ProgramFolder &folder, EntryLine &entry, QObject *parent)
    : QObject(parent), m_folder(folder), m_entry(entry), m_model(new KnownStationsModel(m_stations, this))
{
}

CallInfoController::~CallInfoController()
{
    // The list may outlive us (or be gone already): leave it without our model.
    if (m_list) {
        m_list->removeEventFilter(this);
        m_list->setModel(nullptr);
    }
}

void CallInfoController::start()
{
    tables(); // read at start-up rather than on the first keystroke
    for (QLabel *l : {m_entry.Label26, m_entry.Label32})
        if (l)
            l->hide();
    QString error;
    if (!m_stations.open(m_folder.file(QStringLiteral("evidencija.mdb")), &error))
        emit knownStationsError(error);
    attachList();
    FindKnownStations();
}

void CallInfoController::closeDatabases()
{
    flushPendingWrites();
    m_stations.close();
}

void CallInfoController::setPrefixTables(std::shared_ptr<const PrefixTables> tables)
{
    m_tables = std::move(tables);
}

const PrefixTables *CallInfoController::tables()
{
    if (!m_tables)
        m_tables = PrefixTables::load(m_folder.file(QStringLiteral("znakovi.mdb")));
    return m_tables.get();
}

QString CallInfoController::callField() const
{
    // The session's call: the program may have changed it before the field shows it.
    if (m_entry.session)
        return m_entry.session->currentCall();
    return m_entry.Text2 ? m_entry.Text2->text() : QString();
}

namespace {

void setText(QLabel *label, const QString &text)
{
    if (label)
        label->setText(text);
}

void setShown(QLabel *label, bool shown)
{
    if (label)
        label->setVisible(shown);
}

}

void CallInfoController::LookupPrefix()
{
    const PrefixTables *t = tables();
    if (t->prefixes().isEmpty())
        return;
    const QString call = callField();
    if (call.isEmpty())
        return;
    // The longest leading part of the call that is a prefix decides, which is what
    // typing the call letter by letter leaves in force; a call pasted or picked in
    // one piece gets the same. Without any, the previous state stays.
    int row = -1;
    for (int n = int(call.size()); n > 0 && row < 0; --n)
        row = t->firstPrefixRow(call.left(n));
    if (row >= 0) {
        m_entry.Text26 = t->prefixes().at(row).prefix;
        m_entry.Text27 = t->prefixes().at(row).masterPrefix;
    }
    if (const PrefixTables::Country *c = t->country(m_entry.Text27)) {
        setText(m_entry.Label17, c->name);
        setText(m_entry.Label18, c->cqZone);
        setText(m_entry.Label19, c->iaruZone);
        setText(m_entry.Label26, c->isStarred);
    }
}

void CallInfoController::LookupPrefixForEdit()
{
    setShown(m_entry.Label17, false);
    setShown(m_entry.Label18, false);
    setShown(m_entry.Label19, false);
    setShown(m_entry.Label29, true);
    setShown(m_entry.Label30, true);
    setShown(m_entry.Label31, true);
    const PrefixTables *t = tables();
    if (t->prefixes().isEmpty())
        return;
    const QString call = callField();
    const QString candidates[4] = {call.left(1), call.left(2), call.left(3), call.left(4)};
    const int row = t->firstPrefixRowOfAny(candidates, 4);
    if (row >= 0) {
        m_entry.Text29 = m_entry.Text26 = t->prefixes().at(row).prefix;
        m_entry.Text30 = m_entry.Text27 = t->prefixes().at(row).masterPrefix;
    }
    if (const PrefixTables::Country *c = t->country(m_entry.Text30)) {
        for (QLabel *l : {m_entry.Label29, m_entry.Label17})
            setText(l, c->name);
        for (QLabel *l : {m_entry.Label30, m_entry.Label18})
            setText(l, c->cqZone);
        for (QLabel *l : {m_entry.Label31, m_entry.Label19})
            setText(l, c->iaruZone);
        for (QLabel *l : {m_entry.Label32, m_entry.Label26})
            setText(l, c->isStarred);
    }
}

void CallInfoController::CheckNewDxcc()
{
    setShown(m_entry.Label25, false);
    EntrySession *session = m_entry.session;
    if (!session)
        return;
    const QString country = m_entry.Label17 ? m_entry.Label17->text().trimmed() : QString();
    const WorkedDxcc::Marker m = WorkedDxcc::newCountryMarker(&session->log(), country, session->serialSentAsNumber());
    if (m.keep) {
        session->setCountryName(country);
        return;
    }
    session->setCountry(country, m.marker);
    setShown(m_entry.Label25, m.isNew);
}

void CallInfoController::showResult(const KnownStations::Result &result)
{
    if (result.size(m_stations.size()) == 0)
        return; // the list keeps what it had
    m_model->setResult(result);
    m_entry.Text31 = QString::number(m_stations.at(result.at(0)).id);
}

void CallInfoController::FindKnownStations()
{
    const QString call = callField();
    if (!call.isEmpty())
        flushPendingWrites(); // a search for a call sees every QSO committed before it
    const KnownStations::Result r = m_stations.find(call);
    showResult(r);
    const int own = call.isEmpty() ? -1 : m_stations.positionOfCall(call);
    emit stationMatched(call, own >= 0 ? m_stations.at(own).lokator.trimmed() : QString());
}

QString CallInfoController::locatorField() const
{
    return m_entry.Text8 ? m_entry.Text8->text() : QString();
}

void CallInfoController::RememberKnownStation()
{
    flushPendingWrites();
    RememberKnownStation(m_entry.Text28, locatorField());
}

void CallInfoController::RememberKnownStation(const QString &call, const QString &locator)
{
    const KnownStations::Result r = m_stations.find(call);
    if (r.size(m_stations.size()) > 0 && m_stations.at(r.at(0)).pozivni.trimmed() == call.trimmed())
        return;
    AddKnownStation(call, locator);
}

void CallInfoController::AddKnownStation()
{
    AddKnownStation(m_entry.Text28, locatorField());
}

void CallInfoController::AddKnownStation(const QString &call, const QString &locator)
{
    if (call.trimmed().isEmpty())
        return; // a station without a call is no known station
    if (!changeStations([&](QString *error) { return m_stations.add(call, locator, error).has_value(); }))
        return;
    FindKnownStations();
}

void CallInfoController::UpdateKnownStation()
{
    flushPendingWrites();
    UpdateKnownStation(m_entry.Text28, locatorField());
}

void CallInfoController::UpdateKnownStation(const QString &call, const QString &locator)
{
    UpdateKnownStation(call, locator, m_entry.Text31);
}

void CallInfoController::UpdateKnownStation(const QString &typedCall, const QString &locator,
                                            const QString &rememberedId)
{
    const QString call = typedCall.trimmed();
    if (call.isEmpty())
        return;
    // The remembered row is the first of the latest search that found anything. It is
    // rewritten only when it is this station's own row; otherwise it belongs to another
    // station, and the edited station's own row is updated, or added when it has none.
    bool ok = false;
    const int remembered = m_stations.positionOfId(rememberedId.toLongLong(&ok));
    qint64 id = -1;
    if (ok && remembered >= 0 && m_stations.at(remembered).pozivni.trimmed() == call)
        id = m_stations.at(remembered).id;
    else if (const int own = m_stations.positionOfCall(call); own >= 0)
        id = m_stations.at(own).id;
    const bool changed = changeStations([&](QString *error) {
        if (id >= 0)
            return m_stations.update(id, call, locator, error);
        const std::optional<qint64> added = m_stations.add(call, locator, error);
        if (added)
            id = *added;
        return added.has_value();
    });
    if (!changed)
        return;
    KnownStations::Result one;
    one.rows.append(m_stations.positionOfId(id));
    showResult(one);
}

bool CallInfoController::changeStations(const std::function<bool(QString *)> &change)
{
    // The list holds positions into the store, which a change moves: remember the IDs.
    const KnownStations::Result shown = m_model->result();
    QVector<qint64> ids;
    if (!shown.all) {
        ids.reserve(shown.rows.size());
        for (int pos : shown.rows)
            ids.append(m_stations.at(pos).id);
    }
    QString error;
    const bool ok = change(&error);
    KnownStations::Result again;
    again.all = shown.all;
    for (qint64 id : ids)
        if (const int pos = m_stations.positionOfId(id); pos >= 0)
            again.rows.append(pos);
    std::sort(again.rows.begin(), again.rows.end());
    m_model->setResult(again);
    if (!ok)
        emit knownStationsError(error);
    return ok;
}

void CallInfoController::refreshKnownStations()
{
    flushPendingWrites();
    KnownStations::Result r = m_stations.find(callField());
    if (r.size(m_stations.size()) == 0)
        r.all = true; // the positions shown before are no longer valid
    showResult(r);
}

void CallInfoController::ClearForEmptyCall()
{
    for (QLabel *l : {m_entry.Label17, m_entry.Label18, m_entry.Label19, m_entry.Label26, m_entry.Label29,
                      m_entry.Label30, m_entry.Label31, m_entry.Label32})
        if (l)
            l->clear();
    setShown(m_entry.Label25, false);
    if (m_entry.session)
        m_entry.session->setCountry({}, {});
    m_entry.Text26.clear();
    m_entry.Text27.clear();
}

void CallInfoController::attachList()
{
    QTableView *view = m_entry.DataGrid2;
    if (!view || m_list)
        return;
    m_list = view;
    view->setModel(m_model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) { pickRow(index.row()); });
}

bool CallInfoController::eventFilter(QObject *watched, QEvent *event)
{
    if (m_list && watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = m_list->currentIndex();
            if (current.isValid())
                pickRow(current.row());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CallInfoController::pickRow(int row)
{
    flushPendingWrites();
    const KnownStations::Station *s = m_model->station(row);
    if (!s)
        return;
    // Copies: the pick refills the call field, whose searches replace the list.
    const QString call = s->pozivni.trimmed();
    const QString locator = s->lokator.trimmed();
    emit stationPicked(call, locator);
}

void CallInfoController::callChanged(const QString &call, bool editing)
{
    if (editing)
        LookupPrefixForEdit();
    else
        LookupPrefix();
    CheckNewDxcc();
    m_entry.Text28 = call;
    FindKnownStations();
    if (call.isEmpty())
        ClearForEmptyCall();
}

void CallInfoController::qsoLoaded(const QString &)
{
    LookupPrefixForEdit();
    if (m_entry.session && m_entry.Label29)
        m_entry.session->setCountryName(m_entry.Label29->text().trimmed());
}

void CallInfoController::qsoSaved(const QString &call, const QString &locator)
{
    m_pending.append({false, call, locator, {}});
    scheduleWrites();
}

void CallInfoController::qsoUpdated(const QString &call, const QString &locator)
{
    m_pending.append({true, call, locator, m_entry.Text31});
    scheduleWrites();
}

void CallInfoController::scheduleWrites()
{
    // The QSO is committed already; the station's own commit waits until the entry
    // line has been reset, so the operator never waits for a second synchronous
    // write. It runs before the next key is handled, and before anything else reads
    // or writes the known stations.
    if (m_writesQueued)
        return;
    m_writesQueued = true;
    QMetaObject::invokeMethod(this, &CallInfoController::flushPendingWrites, Qt::QueuedConnection);
}

void CallInfoController::flushPendingWrites()
{
    m_writesQueued = false;
    if (m_pending.isEmpty())
        return;
    const QVector<PendingWrite> pending = std::exchange(m_pending, {});
    for (const PendingWrite &w : pending) {
        if (w.update)
            UpdateKnownStation(w.call, w.locator, w.rememberedId);
        else
            RememberKnownStation(w.call, w.locator);
    }
    // The list shows what the call field holds, as right after the reset.
    showResult(m_stations.find(callField()));
}

KnownStations &CallInfoController::knownStations()
{
    flushPendingWrites();
    return m_stations;
}
