#include "contestlog/ui/LogEntry.h"

#include "callinfo/ui/CallInfoController.h"
#include "contest/BandLabels.h"
#include "contest/ContestSettingsStore.h"
#include "contestlog/ContestDatabase.h"
#include "contestlog/ContestSession.h"
#include "contestlog/ui/EntryLine.h"
#include "contestlog/ui/LogTableModel.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "geo/Locator.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundPlayer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

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

// The number at the start of a text, as the longitude rule reads it.
double leadingNumber(const QString &text)
{
    const QString t = text.trimmed();
    int end = 0;
    while (end < t.size() && (t.at(end).isDigit() || t.at(end) == QLatin1Char('.') || t.at(end) == QLatin1Char('-')
                              || t.at(end) == QLatin1Char('+') || t.at(end) == QLatin1Char('e')
                              || t.at(end) == QLatin1Char('E')))
        ++end;
    return t.left(end).toDouble();
}

bool wholeNumber(const QString &text, qint64 &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok;
}

}

LogEntry::LogEntry(EntryLine &entry, CallInfoController &callInfo, LogTableModel &model, Platform &platform,
                   QObject *parent)
    : QObject(parent), m_entry(entry), m_callInfo(callInfo), m_model(model), m_platform(platform),
      m_store(ContestSession::instance().database())
{
    m_entry.bandLog = &m_band;
}

// ---------------------------------------------------------------------------------
// Checks before a QSO is written

bool LogEntry::checkEntry()
{
    // Nothing reaches the log that is not a whole number in a numeric column.
    for (QLineEdit *field : {m_entry.Text3, m_entry.Text4, m_entry.Text6, m_entry.Text7}) {
        qint64 v = 0;
        if (!wholeNumber(field->text(), v)) {
            m_platform.messages.show(MessageCatalogue::notWholeNumber());
            selectField(field);
            return false;
        }
    }
    switch (ComputeQrbBearing()) {
    case LocatorCheck::Ok:
        return true;
    case LocatorCheck::OtherInvalid:
        m_platform.messages.show(MessageCatalogue::locatorInvalid());
        selectField(m_entry.Text8);
        return false;
    case LocatorCheck::OwnInvalid:
        m_platform.messages.show(MessageCatalogue::ownLocatorInvalid());
        selectField(m_entry.Text8);
        return false;
    }
    return false;
}

LogEntry::LocatorCheck LogEntry::ComputeQrbBearing()
{
    const QString own = ContestSettingsStore::instance().settings().lokator;
    const QString other = m_entry.Text8->text();
    const Geo::QrbResult r = Geo::computeQrb(own, other);
    if (r.ownTooLong)
        m_platform.messages.show(MessageCatalogue::locatorTooLong());
    m_entry.Text22 = QString::number(r.other.latitude, 'g', 15);
    m_entry.Text23 = QString::number(-r.other.longitude, 'g', 15);
    if (!r.valid) {
        // Neither locator is emptied: the operator corrects what was typed.
        m_entry.Text10->setText(QStringLiteral("0"));
        m_entry.Text9->setText(QStringLiteral("0"));
        return Geo::computeQrb(own, own).valid ? LocatorCheck::OtherInvalid : LocatorCheck::OwnInvalid;
    }
    m_entry.Text10->setText(QLatin1Char(' ') + QString::number(r.bearing));
    m_entry.Text9->setText(QLatin1Char(' ') + QString::number(r.qrb));
    if (other == own) {
        m_entry.Text9->setText(QStringLiteral("1"));
        m_entry.Text10->setText(QStringLiteral("0"));
    }
    if (m_entry.Text15->text() == QLatin1String("D"))
        m_entry.Text9->setText(QStringLiteral("0"));
    return LocatorCheck::Ok;
}

bool LogEntry::buildEntry(QsoEntry &e, bool editing)
{
    e.time = editing ? m_entry.Text17->text() : m_entry.Text1->text();
    e.call = m_entry.Text2->text();
    wholeNumber(m_entry.Text3->text(), e.rsts);
    wholeNumber(m_entry.Text4->text(), e.nrs);
    e.mode = m_entry.Combo1->currentText();
    wholeNumber(m_entry.Text6->text(), e.rstr);
    wholeNumber(m_entry.Text7->text(), e.nrr);
    e.loc = m_entry.Text8->text();
    wholeNumber(m_entry.Text9->text(), e.qrb);
    wholeNumber(m_entry.Text10->text(), e.bearing);
    wholeNumber(m_entry.Text11->text(), e.qsos);
    wholeNumber(m_entry.Text12->text(), e.odx);
    wholeNumber(m_entry.Text13->text(), e.points);
    e.date = editing ? m_entry.Text16->text() : m_entry.Text14->text();
    e.dupla = m_entry.Text15->text();
    e.latitu = coordinateText(m_entry.Text22.toDouble());
    const double negatedLongitude = leadingNumber(m_entry.Text23);
    const QString magnitude = coordinateText(qAbs(m_entry.Text23.toDouble()));
    e.longitu = negatedLongitude > 0 ? QLatin1Char('-') + magnitude : magnitude;
    e.dxccd = m_entry.Text24;
    e.band = m_entry.Combo2->currentText();
    return true;
}

void LogEntry::selectField(QLineEdit *field)
{
    field->setFocus();
    field->selectAll();
}

void LogEntry::showMissingData()
{
    m_platform.messages.show(MessageCatalogue::missingData(), this, [this](const QString &) { onMissingDataConfirmed(); });
}

void LogEntry::onMissingDataConfirmed()
{
    // "U redu" brings the log and the entry line back to a clean state.
    RefreshLogView();
    resetWithTotals();
    hideEditFields();
    m_entry.Text2->setFocus();
}

void LogEntry::reportDatabaseError(const QString &reason)
{
    m_platform.messages.show(MessageCatalogue::qsoNotStored(reason));
}

// ---------------------------------------------------------------------------------
// Save, update, delete, cancel

void LogEntry::SaveQso()
{
    m_entry.chameleonButton2->hide();
    if (m_entry.Text8->text().isEmpty() || m_entry.Text7->text().isEmpty() || m_entry.Text2->text().isEmpty()) {
        showMissingData();
        return;
    }
    if (!checkEntry())
        return;
    QsoEntry e;
    buildEntry(e, false);
    QString error;
    const std::optional<QsoRow> row = m_store.insert(e, &error);
    if (!row) {
        reportDatabaseError(error);
        return;
    }
    invalidateTotals();
    const bool shown = m_model.showsRows(&m_band.rows());
    if (shown)
        m_model.beginAppend();
    m_band.append(*row);
    if (shown)
        m_model.endAppend();
    m_callInfo.RememberKnownStation();
    bindGridToBand();
    EnableLogCommands();
    resetWithTotals();
    applyReportDefaults();
}

void LogEntry::UpdateQso()
{
    if (m_entry.Text8->text().isEmpty() || m_entry.Text7->text().isEmpty() || m_entry.Text2->text().isEmpty()) {
        showMissingData();
        return;
    }
    bool idOk = false;
    const qint64 id = m_entry.Text18.trimmed().toLongLong(&idOk);
    const bool found = idOk && m_band.indexOfId(id) >= 0;
    if (found) {
        if (!checkEntry())
            return;
        QsoEntry e;
        buildEntry(e, true);
        QString error;
        const std::optional<QsoRow> row = m_store.update(id, e, &error);
        if (!row) {
            reportDatabaseError(error);
            return;
        }
        invalidateTotals();
        m_band.replace(*row);
        if (m_model.showsRows(&m_band.rows()))
            m_model.rowChanged(m_band.indexOfId(id));
        m_callInfo.UpdateKnownStation();
    }
    bindGridToBand();
    m_entry.Text18.clear();
    resetWithTotals();
    applyReportDefaults();
}

void LogEntry::DeleteQso()
{
    bool idOk = false;
    const qint64 id = m_entry.Text18.trimmed().toLongLong(&idOk);
    if (idOk && m_band.indexOfId(id) >= 0) {
        QString error;
        if (!m_store.remove(id, &error)) {
            reportDatabaseError(error);
            return;
        }
        invalidateTotals();
        const bool shown = m_model.showsRows(&m_band.rows());
        if (shown)
            m_model.beginRemove(m_band.indexOfId(id));
        m_band.removeId(id);
        if (shown)
            m_model.endRemove();
        bindGridToBand();
        setGridCurrentRow(m_model.rowCount() > 0 ? 0 : -1);
    }
    resetWithTotals();
}

void LogEntry::resetWithTotals()
{
    // The steps that close every change of the log: a clean entry line and the band's totals.
    ResetEntry();
    ShowNextSerial();
    ShowQsoCount();
    ShowPoints();
    ShowOdx();
}

void LogEntry::CancelEntry()
{
    RefreshLogView();
    resetWithTotals();
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
    if (m_entry.Text25 == QLatin1String("S"))
        spremiAction();
    else if (m_entry.Text25 == QLatin1String("I"))
        izmjeniAction();
}

void LogEntry::hideEditFields()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_entry.Text9, m_entry.Text10, m_entry.Text15, m_entry.Label9,
                                                       m_entry.Label10, m_entry.Label11})
        w->hide();
}

// ---------------------------------------------------------------------------------
// Band view and totals

void LogEntry::reloadBand()
{
    QVector<QsoRow> rows;
    QString error;
    if (!m_store.bandRows(m_entry.band(), rows, &error))
        reportDatabaseError(error);
    m_band.reset(rows);
    invalidateTotals();
    m_loadedBand = m_entry.band();
    bindGridToBand(true);
}

void LogEntry::bindGridToBand(bool reload)
{
    // The grid reads the band's rows in place; after a save, update or delete the
    // model has already announced the one row that changed.
    if (reload || !m_model.showsRows(&m_band.rows()))
        m_model.showRows(&m_band.rows());
    setGridCurrentRow(m_model.rowCount() - 1);
}

void LogEntry::setGridCurrentRow(int row)
{
    QTableView *view = m_entry.DataGrid1;
    if (!view || !view->selectionModel())
        return;
    m_settingGridRow = true;
    if (row < 0) {
        view->selectionModel()->clearCurrentIndex();
    } else {
        const QModelIndex index = m_model.index(row, LogTableModel::Call);
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
        const QString id = QString::number(m_model.row(index.row()).id);
        if (!(m_entry.Text25 == QLatin1String("I") && m_entry.Text18 == id))
            onGridRowPicked(index.row());
    });
}

void LogEntry::LoadBandList()
{
    m_loadingBands = true;
    m_entry.Combo2->clear();
    QStringList stored;
    QString error;
    if (!ContestDatabase::storedBands(m_store.database(), stored, &error))
        reportDatabaseError(error);
    for (const QString &b : stored) {
        const QString label = b.trimmed();
        if (BandLabels::number(label) > 0)
            m_entry.Combo2->addItem(label);
    }
    if (m_entry.Combo2->count() > 0) {
        const int i = m_entry.Combo2->findText(ContestSettingsStore::instance().settings().firstBand());
        m_entry.Combo2->setCurrentIndex(i >= 0 ? i : 0);
    }
    m_loadingBands = false;
}

void LogEntry::ApplyBandMode()
{
    const int k = BandLabels::number(m_entry.band());
    if (k > 0)
        m_entry.Combo1->setCurrentText(ContestSettingsStore::instance().settings().bands.at(k).mode);
}

void LogEntry::onBandChanged()
{
    if (m_loadingBands)
        return;
    RefreshLogView();
    ApplyBandMode();
}

void LogEntry::RefreshLogView()
{
    invalidateTotals();
    reloadBand();
    ResetEntry();
    ShowPoints();
    ShowQsoCount();
    ShowNextSerial();
    ShowOdx();
    EnableLogCommands();
    m_entry.Label16->hide();
    hideEditFields();
}

const BandLog::Totals &LogEntry::totals()
{
    // Recomputed in full from the band's committed rows after every change; the rows
    // come from the database on every refresh. Counting them here instead of running
    // three aggregates over the whole table keeps a save within a few milliseconds.
    if (!m_totalsValid) {
        m_totals = m_band.totals();
        m_totalsValid = true;
    }
    return m_totals;
}

void LogEntry::ShowQsoCount()
{
    m_entry.Text11->setText(QString::number(totals().count));
}

void LogEntry::ShowNextSerial()
{
    m_entry.Text4->setText(threeDigits(totals().count + 1));
}

void LogEntry::ShowPoints()
{
    m_entry.Text13->setText(QString::number(totals().points));
}

void LogEntry::ShowOdx()
{
    m_entry.Text12->setText(QString::number(totals().odx));
}

void LogEntry::EnableLogCommands()
{
    const bool any = totals().count > 0;
    for (QAction *a : {m_entry.edi, m_entry.izuadi, m_entry.izmjeni, m_entry.brisi, m_entry.pozivniznaktrazi,
                       m_entry.trazipolok, m_entry.stati, m_entry.issvihveza})
        if (a)
            a->setEnabled(any);
}

void LogEntry::ResetEntry()
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
    m_entry.Label17->clear();
    m_entry.Label18->clear();
    m_entry.Label19->clear();
    setEditMode(false);
    m_entry.Text2->clear(); // runs the change handling with an empty call, in the mode before the reset
    applyReportDefaults();
    ApplyBandMode();
    m_entry.Text7->clear();
    m_entry.Text8->setText(ContestSettingsStore::instance().settings().lokator.left(2));
    m_entry.Text9->clear();
    m_entry.Text10->clear();
    m_entry.Text15->clear();
    m_entry.Label25->hide();
    m_entry.Text5.clear();
    m_entry.Text24.clear();
    m_entry.Label26->clear();
    m_entry.Text25 = QStringLiteral("S");
    m_entry.Line7->hide();
    m_entry.Line8->hide();
    m_entry.Line9->hide();
    m_entry.Line6->show();
    m_entry.Text31.clear();
    m_entry.Text18.clear();
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
// Duplicates and editing from the grid

void LogEntry::CheckDuplicate()
{
    if (m_band.isEmpty()) {
        m_entry.Text15->setText(QStringLiteral("-"));
        m_entry.Label16->hide();
        return;
    }
    if (m_band.isDuplicate(m_entry.Text2->text(), m_entry.serialAsNumber())) {
        m_entry.Text15->setText(QStringLiteral("D"));
        m_entry.Label16->show();
        m_platform.sound.play(ProgramFolder::file(QStringLiteral("zvukovi/dupla.wav")));
        m_entry.Text9->setText(QStringLiteral("0"));
    } else {
        m_entry.Text15->setText(QStringLiteral("-"));
        m_entry.Label16->hide();
    }
}

void LogEntry::ShowDuplicateMark()
{
    if (m_entry.Text15->text() == QLatin1String("D")) {
        m_entry.Label16->show();
        m_entry.Text9->setText(QStringLiteral("0"));
    } else {
        m_entry.Label16->hide();
    }
}

void LogEntry::LoadQsoForEditing()
{
    if (m_band.isEmpty() || m_gridRow < 0 || m_gridRow >= m_model.rowCount())
        return;
    const QsoRow r = m_model.row(m_gridRow);
    m_entry.chameleonButton2->show();
    m_entry.chameleonButton1->hide();
    m_entry.Text14->hide();
    m_entry.Text1->hide();
    m_entry.Text17->show();
    m_entry.Text16->show();
    m_entry.Text17->setText(r.time.trimmed());
    m_entry.Text4->setText(r.nrs.trimmed());
    m_entry.Text2->setText(r.call.trimmed());
    m_entry.Text3->setText(r.rsts.trimmed());
    m_entry.Combo1->setCurrentText(r.mode.trimmed());
    m_entry.Text6->setText(r.rstr.trimmed());
    m_entry.Text7->setText(r.nrr.trimmed());
    m_entry.Text8->setText(r.loc.trimmed());
    m_entry.Text9->setText(r.qrb.trimmed());
    m_entry.Text10->setText(r.bearing.trimmed());
    m_entry.Text15->setText(r.dupla.trimmed());
    m_entry.Text16->setText(r.date.trimmed());
    m_entry.Text18 = QString::number(r.id);
    ShowDuplicateMark();
    m_entry.izmjeni->setEnabled(true);
    m_entry.brisi->setEnabled(true);
    m_entry.spremi->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{m_entry.Text9, m_entry.Text10, m_entry.Text15, m_entry.Label9,
                                                       m_entry.Label10, m_entry.Label11})
        w->show();
    for (QLineEdit *field : {m_entry.Text7, m_entry.Text4}) {
        qint64 v = 0;
        if (wholeNumber(field->text(), v))
            field->setText(threeDigits(v));
    }
    m_entry.Text2->setFocus();
    m_entry.Line7->show();
    m_entry.Line8->show();
    m_entry.Line9->show();
    m_entry.Line6->hide();
}

void LogEntry::onGridRowPicked(int row)
{
    m_gridRow = row;
    LoadQsoForEditing();
    m_entry.Label25->hide();
    m_entry.Text25 = QStringLiteral("I");
    m_callInfo.LookupPrefixForEdit();
}

void LogEntry::showRowsForEditing(const QVector<QsoRow> &rows)
{
    m_model.setRows(rows);
    setGridCurrentRow(rows.isEmpty() ? -1 : 0);
    if (!rows.isEmpty())
        onGridRowPicked(0); // edit mode, so Enter updates the QSO found instead of copying it
}

// ---------------------------------------------------------------------------------
// Entry fields

void LogEntry::onCallChanged()
{
    const QString &mode = m_entry.Text25;
    const bool entering = mode == QLatin1String("S");
    if (!entering && mode != QLatin1String("I"))
        return;
    CheckDuplicate();
    if (entering)
        m_callInfo.LookupPrefix();
    else
        m_callInfo.LookupPrefixForEdit();
    m_callInfo.CheckNewDxcc();
    m_entry.Text28 = m_entry.Text2->text();
    m_callInfo.FindKnownStations();
    if (m_entry.Text2->text().isEmpty())
        m_callInfo.ClearForEmptyCall();
}

void LogEntry::applyReportDefaults()
{
    const QString mode = m_entry.Combo1->currentText();
    const QString report = (mode == QLatin1String("CW") || mode == QLatin1String("RTTY")) ? QStringLiteral("599")
                                                                                            : QStringLiteral("59");
    m_entry.Text3->setText(report);
    m_entry.Text6->setText(report);
}

void LogEntry::fillStation(const QString &call, const QString &locator)
{
    m_entry.Text2->setText(call);
    m_entry.Text8->setText(locator);
}

void LogEntry::startUp()
{
    m_store.setDatabase(ContestSession::instance().database());
    m_entry.chameleonButton2->hide();
    EnableLogCommands();
    LoadBandList();
    ApplyBandMode();
    RefreshLogView();
    resetWithTotals();
    m_entry.Label16->hide();
    hideEditFields();
}

void LogEntry::onDatabaseReopened()
{
    m_store.setDatabase(ContestSession::instance().database());
    invalidateTotals();
}

void LogEntry::afterNewContest()
{
    RefreshLogView();
    LoadBandList();
    ResetEntry();
    ShowPoints();
    ShowQsoCount();
    ShowNextSerial();
    ShowOdx();
    EnableLogCommands();
}

void LogEntry::afterSavedContestOpened()
{
    // The opened contest brings its own bands and contest data: the band list follows it.
    LoadBandList();
    RefreshLogView();
    ResetEntry();
    ShowPoints();
    ShowQsoCount();
    ShowNextSerial();
    ShowOdx();
    hideEditFields();
    m_entry.Text2->setFocus();
}
