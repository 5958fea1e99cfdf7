#include "export/ui/ExportCommands.h"

#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "contestlog/LogStore.h"
#include "contestlog/EntrySession.h"
#include "export/LogExport.h"
#include "export/ui/QsoListReport.h"
#include "platform/ProgramFolder.h"
#include "platform/UtcClock.h"
#include "shell/ui/MessageWindow.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ExportCommands {

namespace {

// The reason goes on a line of its own (Label2), which the language packs leave alone;
// an open window is replaced so that it never shows a stale reason.
void showFailure(const QString &reason)
{
    if (MessageWindow *open = MessageWindow::find(QStringLiteral("Form23")))
        open->close();
    MessageWindow::showWindow(new MessageWindow(QStringLiteral("Form23"),
                                                {QStringLiteral("Izvoz nije uspio."), reason},
                                                {{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")}}));
}

QString reason(const LogExport::Result &r)
{
    switch (r.status) {
    case LogExport::Result::Written:
    case LogExport::Result::EmptyBand:
        return {};
    case LogExport::Result::ReadFailed:
        return QStringLiteral("Veze se ne mogu pročitati (%1).").arg(r.detail);
    case LogExport::Result::FolderFailed:
        return QStringLiteral("Mapa %1 se ne može napraviti.").arg(r.path);
    case LogExport::Result::WriteFailed:
        return QStringLiteral("Datoteka %1 se ne može zapisati (%2).").arg(r.path, r.detail);
    }
    return {};
}

bool exportBand(const EntrySession &entry, LogExport::Format format)
{
    const ExportTotals totals{QString::number(entry.totals().count), QString::number(entry.totals().points)};
    const LogExport::Result r =
        LogExport::exportBand(ContestSession::instance().database(), format, entry.band(),
                              ContestSettingsStore::instance().settings(), totals, ProgramFolder::path());
    if (r.status == LogExport::Result::EmptyBand)
        MessageWindow::showMessage(QStringLiteral("Form24"), QStringLiteral("Na ovom bandu nema veza."));
    else if (!r.ok())
        showFailure(reason(r));
    return r.ok();
}

}

bool exportEdi(const EntrySession &entry)
{
    return exportBand(entry, LogExport::Format::Edi);
}

bool exportAdif(const EntrySession &entry)
{
    return exportBand(entry, LogExport::Format::Adif);
}

QPrintPreviewDialog *printQsoList(const EntrySession &entry, QWidget *parent)
{
    QsoListReport::Data data;
    QString error;
    if (!LogStore(ContestSession::instance().database()).bandRows(entry.band(), data.rows, &error)) {
        LogExport::Result r;
        r.status = LogExport::Result::ReadFailed;
        r.detail = error;
        showFailure(reason(r));
        return nullptr;
    }
    if (data.rows.isEmpty())
        return nullptr;
    const ContestSettings &s = ContestSettingsStore::instance().settings();
    data.contest = s.nazivNatjecanja;
    data.call = s.pozivniZnak;
    data.locator = s.lokator;
    data.points = QString::number(entry.totals().points);
    data.band = entry.band();
    data.date = UtcClock::instance()->nowUtc().date().toString(QLatin1String(LogFormats::DateFormat));

    auto *preview = new QPrintPreviewDialog(parent);
    preview->setObjectName(QStringLiteral("DataReport1"));
    preview->setWindowTitle(QStringLiteral("Print all QSO's"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [report = QsoListReport(std::move(data))](QPrinter *printer) { report.print(printer); });
    preview->show();
    return preview;
}

}
