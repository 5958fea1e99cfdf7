#include "export/ui/ExportCommands.h"

#include "contest/ContestContext.h"
#include "contestlog/LogStore.h"
#include "contestlog/EntrySession.h"
#include "controls/MessageCatalogue.h"
#include "export/LogExport.h"
#include "export/ui/QsoListReport.h"
#include "platform/Platform.h"
#include "platform/UtcClock.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ExportCommands {

namespace {

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

bool exportBand(ContestContext &context, const EntrySession &entry, Platform &platform, LogExport::Format format)
{
    const ExportTotals totals{QString::number(entry.totals().count), QString::number(entry.totals().points)};
    const LogExport::Result r =
        LogExport::exportBand(context.database(), format, entry.band(), context.contestData().settings(), totals,
                              context.folder().path());
    if (r.status == LogExport::Result::EmptyBand)
        platform.messages.show(MessageCatalogue::emptyBand());
    else if (!r.ok())
        platform.messages.show(MessageCatalogue::exportFailed(reason(r)));
    return r.ok();
}

}

bool exportEdi(ContestContext &context, const EntrySession &entry, Platform &platform)
{
    return exportBand(context, entry, platform, LogExport::Format::Edi);
}

bool exportAdif(ContestContext &context, const EntrySession &entry, Platform &platform)
{
    return exportBand(context, entry, platform, LogExport::Format::Adif);
}

QPrintPreviewDialog *printQsoList(ContestContext &context, const EntrySession &entry, Platform &platform,
                                  QWidget *parent)
{
    QsoListReport::Data data;
    QString error;
    if (!LogStore(context.database()).bandRows(entry.band(), data.rows, &error)) {
        LogExport::Result r;
        r.status = LogExport::Result::ReadFailed;
        r.detail = error;
        platform.messages.show(MessageCatalogue::exportFailed(reason(r)));
        return nullptr;
    }
    if (data.rows.isEmpty())
        return nullptr;
    const ContestSettings &s = context.contestData().settings();
    data.contest = s.nazivNatjecanja;
    data.call = s.pozivniZnak;
    data.locator = s.lokator;
    data.points = QString::number(entry.totals().points);
    data.band = entry.band();
    data.date = platform.clock.todayUtc().toString(QLatin1String(LogFormats::DateFormat));

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
