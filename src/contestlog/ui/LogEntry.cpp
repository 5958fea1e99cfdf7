#include "contestlog/ui/LogEntry.h"

#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestContext.h"
#include "contestlog/ui/EntryLine.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/MessageCatalogue.h"
#include "platform/Platform.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

using Field = EntrySession::Field;

LogEntry::LogEntry(EntryLine &entry, EntrySession &session, ContestContext &context, Platform &platform,
                   QObject *parent)
    : QObject(parent), m_entry(entry), m_session(session), m_context(context), m_platform(platform)
{
    m_entry.session = &m_session;
    bindFields();
}

// ---------------------------------------------------------------------------------
// Binding: the operator's typing goes into the session, the session's changes into
// the fields.

void LogEntry::bindFields()
{
    auto bind = [this](QLineEdit *f, void (EntrySession::*set)(const QString &)) {
        connect(f, &QLineEdit::textChanged, this, [this, set](const QString &t) {
            if (!m_pushing)
                (m_session.*set)(t);
        });
    };
    bind(m_entry.Text3, &EntrySession::setRstSent);
    bind(m_entry.Text4, &EntrySession::setSerialSent);
    bind(m_entry.Text6, &EntrySession::setRstReceived);
    bind(m_entry.Text7, &EntrySession::setSerialReceived);
    bind(m_entry.Text8, &EntrySession::setLocator);
    connect(m_entry.Combo1, &QComboBox::currentTextChanged, this, [this](const QString &t) {
        if (!m_pushing)
            m_session.setModeText(t);
    });
    connect(&m_session, &EntrySession::draftChanged, this, &LogEntry::pushDraft);
    connect(&m_session, &EntrySession::figuresChanged, this, &LogEntry::pushFigures);
    connect(&m_session, &EntrySession::totalsChanged, this, &LogEntry::showTotals);
    connect(&m_session, &EntrySession::duplicateChecked, this,
            [this](bool warn) { m_entry.Label16->setVisible(warn); });
    connect(&m_session, &EntrySession::entryReset, this, &LogEntry::onEntryReset);
    connect(&m_session, &EntrySession::currentRowChanged, this, &LogEntry::setGridCurrentRow);
    pullDraft();
}

void LogEntry::pullDraft()
{
    // Time and date come from the clock while entering, from the QSO while editing.
    const bool editing = m_session.mode() == EntrySession::Mode::Edit;
    m_session.setTime((editing ? m_entry.Text17 : m_entry.Text1)->text());
    m_session.setDate((editing ? m_entry.Text16 : m_entry.Text14)->text());
    m_session.setRstSent(m_entry.Text3->text());
    m_session.setSerialSent(m_entry.Text4->text());
    m_session.setModeText(m_entry.Combo1->currentText());
    m_session.setRstReceived(m_entry.Text6->text());
    m_session.setSerialReceived(m_entry.Text7->text());
    m_session.setLocator(m_entry.Text8->text());
}

void LogEntry::pushDraft()
{
    const EntrySession::Draft &d = m_session.draft();
    m_pushing = true;
    auto set = [](QLineEdit *f, const QString &t) {
        if (f->text() != t)
            f->setText(t);
    };
    set(m_entry.Text2, d.call);
    set(m_entry.Text3, d.rstSent);
    set(m_entry.Text4, d.serialSent);
    if (m_entry.Combo1->currentText() != d.mode)
        m_entry.Combo1->setCurrentText(d.mode);
    set(m_entry.Text6, d.rstReceived);
    set(m_entry.Text7, d.serialReceived);
    set(m_entry.Text8, d.locator);
    if (m_session.mode() == EntrySession::Mode::Edit) {
        set(m_entry.Text17, d.time);
        set(m_entry.Text16, d.date);
    }
    m_pushing = false;
}

void LogEntry::pushFigures()
{
    m_entry.Text9->setText(m_session.qrbText());
    m_entry.Text10->setText(m_session.bearingText());
    m_entry.Text15->setText(m_session.duplicateMark());
}

void LogEntry::showTotals()
{
    const BandTotals &t = m_session.totals();
    m_entry.Text11->setText(QString::number(t.count));
    m_entry.Text12->setText(QString::number(t.odx));
    m_entry.Text13->setText(QString::number(t.points));
    // The commands that work on the band's QSOs follow its contents; editing and
    // deleting follow the entry's mode instead.
    const bool any = t.count > 0;
    for (QAction *a : {m_entry.edi, m_entry.izuadi, m_entry.pozivniznaktrazi, m_entry.trazipolok, m_entry.stati,
                       m_entry.issvihveza})
        if (a)
            a->setEnabled(any);
}

void LogEntry::onCallChanged()
{
    if (!m_pushing)
        m_session.setCall(m_entry.Text2->text());
}

// ---------------------------------------------------------------------------------
// Outcomes of the checks

QLineEdit *LogEntry::field(Field f) const
{
    switch (f) {
    case Field::Call: return m_entry.Text2;
    case Field::RstReceived: return m_entry.Text6;
    case Field::SerialReceived: return m_entry.Text7;
    case Field::Locator: return m_entry.Text8;
    case Field::RstSent: return m_entry.Text3;
    case Field::SerialSent: return m_entry.Text4;
    }
    return m_entry.Text2;
}

void LogEntry::selectField(QLineEdit *f)
{
    f->setFocus();
    f->selectAll();
}

bool LogEntry::handleOutcome(const EntrySession::Outcome &o)
{
    using O = EntrySession::Outcome;
    if (o.ownLocatorTooLong)
        m_platform.messages.show(MessageCatalogue::locatorTooLong());
    switch (o.status) {
    case O::Done:
    case O::NothingLoaded:
        return true;
    case O::MissingData:
        showMissingData(o.fields);
        return false;
    case O::NotANumber:
        m_platform.messages.show(MessageCatalogue::notWholeNumber());
        break;
    case O::BadLocator:
        m_platform.messages.show(MessageCatalogue::locatorInvalid());
        break;
    case O::BadOwnLocator:
        m_platform.messages.show(MessageCatalogue::ownLocatorInvalid());
        break;
    case O::DatabaseError:
        reportDatabaseError(o.error);
        return false;
    }
    if (!o.fields.isEmpty())
        selectField(field(o.fields.first()));
    return false;
}

void LogEntry::showMissingData(const QList<Field> &fields)
{
    // The fields are named by their captions, which the language pack relabels.
    // The captions of the main window itself, not of a dialog it owns with the same names.
    QWidget *window = m_entry.Text2->window();
    auto caption = [window](const char *name) {
        for (const QLabel *l : window->findChildren<QLabel *>(QLatin1String(name)))
            if (l->window() == window)
                return l->text();
        return QString::fromLatin1(name);
    };
    QStringList names;
    const std::pair<Field, const char *> captions[] = {
        {Field::Call, "Label2"}, {Field::SerialReceived, "Label7"}, {Field::Locator, "Label8"}};
    for (Field f : fields)
        for (const auto &[cf, label] : captions)
            if (cf == f)
                names << caption(label);
    // The typed QSO stays; the operator goes on in the first missing field.
    QLineEdit *first = field(fields.first());
    m_platform.messages.show(MessageCatalogue::missingData(names), this, [first](const QString &) { first->setFocus(); });
    first->setFocus();
}

void LogEntry::reportDatabaseError(const QString &reason)
{
    m_platform.messages.show(MessageCatalogue::qsoNotStored(reason));
}

void LogEntry::reportReadError(const QString &reason)
{
    // Without an open contest database the start-up has already said why.
    if (!m_session.store().database().isOpen())
        return;
    m_platform.messages.show(MessageCatalogue::logCannotBeRead(reason));
}

// ---------------------------------------------------------------------------------
// Save, update, delete, cancel

void LogEntry::SaveQso()
{
    m_entry.chameleonButton2->hide();
    pullDraft();
    if (handleOutcome(m_session.save()))
        focusAfterSave();
}

void LogEntry::UpdateQso()
{
    pullDraft();
    if (handleOutcome(m_session.update()))
        focusAfterSave();
}

void LogEntry::focusAfterSave()
{
    // By default the focus stays where Enter was pressed.
    if (m_focusCallAfterSave)
        m_entry.Text2->setFocus();
}

void LogEntry::DeleteQso()
{
    QString error;
    if (!m_session.remove(&error))
        reportDatabaseError(error);
}

void LogEntry::CancelEntry()
{
    RefreshLogView();
    hideEditFields();
    m_entry.Text2->setFocus();
}

void LogEntry::spremiAction()
{
    SaveQso();
    hideEditFields();
}

void LogEntry::izmjeniAction()
{
    UpdateQso();
    hideEditFields();
    m_entry.Text31.clear();
}

void LogEntry::brisiAction()
{
    DeleteQso();
    hideEditFields();
    m_entry.Text2->setFocus();
}

void LogEntry::odustaniAction()
{
    CancelEntry();
}

void LogEntry::enterAction()
{
    if (m_session.mode() == EntrySession::Mode::New)
        spremiAction();
    else
        izmjeniAction();
}

void LogEntry::showEditFields(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_entry.Text9, m_entry.Text10, m_entry.Text15, m_entry.Label9,
                                                       m_entry.Label10, m_entry.Label11})
        w->setVisible(shown);
}

// ---------------------------------------------------------------------------------
// Band view

void LogEntry::setGridCurrentRow(int row)
{
    QTableView *view = m_entry.DataGrid1;
    if (!view || !view->selectionModel())
        return;
    m_settingGridRow = true;
    if (row < 0 || row >= m_session.log().rowCount()) {
        view->selectionModel()->clearCurrentIndex();
    } else {
        const QModelIndex index = m_session.log().index(row, BandLogModel::Call);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
    m_settingGridRow = false;
}

void LogEntry::connectGrid()
{
    QTableView *view = m_entry.DataGrid1;
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) {
                if (!m_settingGridRow && current.isValid())
                    onGridRowPicked(current.row());
            });
    // A click on the row that is already current loads it as well (the row right
    // after a save is current without being loaded).
    connect(view, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (!index.isValid())
            return;
        const qint64 id = m_session.log().shownRow(index.row()).id;
        if (!(m_session.mode() == EntrySession::Mode::Edit && m_session.editedId() == id))
            onGridRowPicked(index.row());
    });
}

void LogEntry::LoadBandList()
{
    m_loadingBands = true;
    m_entry.Combo2->clear();
    QStringList stored;
    QString error;
    if (!ContestDatabase::storedBands(m_session.store().database(), stored, &error))
        reportReadError(error);
    for (const QString &b : stored) {
        const QString label = b.trimmed();
        if (BandLabels::number(label) > 0)
            m_entry.Combo2->addItem(label);
    }
    if (m_entry.Combo2->count() > 0) {
        const int i = m_entry.Combo2->findText(m_context.contestData().settings().firstBand());
        m_entry.Combo2->setCurrentIndex(i >= 0 ? i : 0);
    }
    m_loadingBands = false;
}

void LogEntry::onBandChanged()
{
    if (m_loadingBands)
        return;
    RefreshLogView();
}

void LogEntry::RefreshLogView()
{
    pullDraft();
    QString error;
    if (!m_session.changeBand(m_entry.band(), &error))
        reportReadError(error);
    EnableLogCommands();
    m_entry.Label16->hide();
    hideEditFields();
}

void LogEntry::EnableLogCommands()
{
    showTotals();
    const bool any = m_session.totals().count > 0;
    for (QAction *a : {m_entry.izmjeni, m_entry.brisi})
        if (a)
            a->setEnabled(any);
}

void LogEntry::onEntryReset()
{
    m_entry.Label17->show();
    m_entry.Label18->show();
    m_entry.Label19->show();
    m_entry.Label29->hide();
    m_entry.Label30->hide();
    m_entry.Label31->hide();
    m_entry.spremi->setEnabled(true);
    m_entry.izmjeni->setEnabled(false);
    m_entry.brisi->setEnabled(false);
    setEditMode(false);
    m_entry.Label25->hide();
    m_entry.Label26->clear();
    m_entry.Line7->hide();
    m_entry.Line8->hide();
    m_entry.Line9->hide();
    m_entry.Line6->show();
    m_entry.Text31.clear();
    m_autoLocator.clear();
}

void LogEntry::setEditMode(bool editing)
{
    // Clock-driven time and date while entering, the QSO's own while editing.
    m_entry.Text1->setVisible(!editing);
    m_entry.Text14->setVisible(!editing);
    m_entry.Text17->setVisible(editing);
    m_entry.Text16->setVisible(editing);
    m_entry.chameleonButton1->setVisible(!editing);
    m_entry.chameleonButton2->setVisible(editing);
}

// ---------------------------------------------------------------------------------
// Editing from the grid

void LogEntry::onGridRowPicked(int row)
{
    const BandLogModel &log = m_session.log();
    if (log.isEmpty() || row < 0 || row >= log.rowCount())
        return;
    const QsoRow r = log.shownRow(row);
    setEditMode(true);
    m_session.loadForEditing(r);
    m_entry.izmjeni->setEnabled(true);
    m_entry.brisi->setEnabled(true);
    m_entry.spremi->setEnabled(false);
    showEditFields(true);
    m_entry.Text2->setFocus();
    m_entry.Line7->show();
    m_entry.Line8->show();
    m_entry.Line9->show();
    m_entry.Line6->hide();
    m_entry.Label25->hide();
}

void LogEntry::showRowsForEditing(const QVector<QsoRow> &rows)
{
    m_session.log().showSearchResult(rows);
    setGridCurrentRow(rows.isEmpty() ? -1 : 0);
    if (!rows.isEmpty())
        onGridRowPicked(0); // edit mode, so Enter updates the QSO found instead of copying it
}

// ---------------------------------------------------------------------------------
// Entry fields

void LogEntry::applyReportDefaults()
{
    m_session.setModeText(m_entry.Combo1->currentText());
    m_session.applyReportDefaults();
}

void LogEntry::fillStation(const QString &call, const QString &locator)
{
    m_entry.Text2->setText(call);
    m_entry.Text8->setText(locator);
    // Back to the entry line, where the exchange goes on as after a typed call.
    m_entry.Text2->setFocus();
}

void LogEntry::offerLocator(const QString &call, const QString &locator)
{
    if (call != m_entry.Text2->text())
        return; // the program is changing the call; the field shows another one
    if (locator.isEmpty() && m_autoLocator.isEmpty())
        return; // nothing was filled in, nothing to fill
    // Only a field the operator has not typed into follows the known station: the
    // prefilled letters, or the locator filled in for the call before.
    const QString shown = m_entry.Text8->text();
    const QString prefill = m_session.locatorPrefill();
    if (shown != prefill && (m_autoLocator.isEmpty() || shown != m_autoLocator))
        return;
    m_autoLocator = locator;
    const QString next = locator.isEmpty() ? prefill : locator;
    if (shown != next)
        m_entry.Text8->setText(next);
}

void LogEntry::startUp()
{
    m_session.setDatabase(m_context.database());
    m_entry.chameleonButton2->hide();
    LoadBandList();
    RefreshLogView();
    m_entry.Label16->hide();
    hideEditFields();
}

void LogEntry::onDatabaseReopened()
{
    m_session.setDatabase(m_context.database());
}

void LogEntry::onChangedElsewhere(const QString &what)
{
    // Another PC committed a change: the band view, its totals and the next serial
    // follow it; the entry line being typed or edited is left exactly as it is.
    if (what == ContestDatabase::settingsChanged())
        return; // the main window reads the contest data and the band list afresh
    if (what != ContestDatabase::everythingChanged() && what.trimmed() != m_entry.band())
        return;
    const QString offered = m_session.nextSerialText();
    if (!m_session.refreshFromElsewhere())
        return; // the next change or the reconnection brings the view up to date
    // The serial field only moves on while it still shows the serial offered before.
    if (m_session.mode() == EntrySession::Mode::New && m_entry.Text4->text() == offered) {
        const QString next = m_session.nextSerialText();
        m_entry.Text4->setText(next);
        m_session.setSerialSent(next);
    }
}

void LogEntry::afterNewContest()
{
    LoadBandList();
    RefreshLogView();
}

void LogEntry::afterSavedContestOpened()
{
    // The opened contest brings its own bands and contest data: the band list follows it.
    LoadBandList();
    RefreshLogView();
    hideEditFields();
    m_entry.Text2->setFocus();
}
