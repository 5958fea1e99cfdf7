#include "controls/MessageCatalogue.h"

namespace MessageCatalogue {

namespace {

const MessageSpec::Button Ok{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")};

MessageSpec message(const char *objectName, const char *text)
{
    MessageSpec m;
    m.objectName = QString::fromLatin1(objectName);
    m.lines = {QString::fromUtf8(text)};
    m.buttons = {Ok};
    return m;
}

// The fixed text in Label1, the reason in Label2.
MessageSpec failure(const char *objectName, const char *text, const QString &reason)
{
    MessageSpec m = message(objectName, text);
    m.lines << reason;
    m.lineNames = {QStringLiteral("Label1"), QStringLiteral("Label2")};
    m.valueLines = {QStringLiteral("Label2")};
    m.replacesOpen = true;
    return m;
}

}

MessageSpec missingData()
{
    return message("Form6", "Niste unijeli potrebne podatke");
}

MessageSpec notFound()
{
    return message("Form7", "Nije pronađeno");
}

MessageSpec newContestWarning()
{
    MessageSpec m;
    m.objectName = QStringLiteral("Form8");
    m.lines = {QStringLiteral("UPOZORENJE:"),
               QStringLiteral("Sa ovim procesom ćete obrisati staro natjecanje. Napravite prije BACKUP staroga "
                              "natjecanja."),
               QStringLiteral("Želite li svejedno nastaviti?")};
    m.buttons = {{QStringLiteral("chameleonButton1"), QStringLiteral("Da")},
                 {QStringLiteral("chameleonButton2"), QStringLiteral("Ne")}};
    return m;
}

MessageSpec newContestReady()
{
    return message("Form9", "Novo natjecanje je otvoreno");
}

MessageSpec contestOpened()
{
    return message("Form11", "Natjecanje je pozvano");
}

MessageSpec contestMissingData()
{
    return message("Form13", "Niste unijeli potrebne podatke");
}

MessageSpec locatorInvalid()
{
    return message("Form17", "Neispravan lokator. Upišite ispravan lokator (npr. JN85AB).");
}

MessageSpec ownLocatorInvalid()
{
    return message("Form18", "Vlastiti lokator nije ispravan. Upišite ga u Postavke natjecanja.");
}

MessageSpec notWholeNumber()
{
    return message("Form19", "Raport i serijski brojevi moraju biti cijeli brojevi.");
}

MessageSpec qsoNotStored(const QString &reason)
{
    return failure("Form20", "Veza nije spremljena: greška baze podataka.", reason);
}

MessageSpec locatorTooLong()
{
    return message("Form21", "Lokator je predugačak (najviše 6 znakova).");
}

MessageSpec invalidCopyName()
{
    return message("Form22", "Naziv natjecanja nije ispravan naziv datoteke. Kopija nije spremljena.");
}

MessageSpec exportFailed(const QString &reason)
{
    return failure("Form23", "Izvoz nije uspio.", reason);
}

MessageSpec emptyBand()
{
    return message("Form24", "Na ovom bandu nema veza.");
}

MessageSpec stationImportSummary(const QStringList &lines)
{
    MessageSpec m;
    m.objectName = QStringLiteral("Form25");
    m.lines = lines;
    m.buttons = {Ok};
    for (int i = 0; i < lines.size(); ++i)
        m.valueLines << QStringLiteral("Label%1").arg(i + 1);
    m.replacesOpen = true;
    return m;
}

MessageSpec settingsNotStored(const QString &reason)
{
    return failure("Form26", "Podaci o natjecanju nisu spremljeni: greška baze podataka.", reason);
}

MessageSpec newContestFailed(const QString &reason)
{
    return failure("Form27", "Novo natjecanje nije otvoreno; staro natjecanje je ostalo.", reason);
}

MessageSpec copyFailed(const QString &reason)
{
    return failure("Form28", "Kopija natjecanja nije spremljena.", reason);
}

MessageSpec databaseCannotOpen(const QString &reason)
{
    return failure("Form29", "Baza podataka se ne može otvoriti.", reason);
}

QList<MessageSpec> all()
{
    const QString reason = QStringLiteral("disk I/O error");
    return {missingData(),
            notFound(),
            newContestWarning(),
            newContestReady(),
            contestOpened(),
            contestMissingData(),
            locatorInvalid(),
            ownLocatorInvalid(),
            notWholeNumber(),
            qsoNotStored(reason),
            locatorTooLong(),
            invalidCopyName(),
            exportFailed(reason),
            emptyBand(),
            stationImportSummary({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5")}),
            settingsNotStored(reason),
            newContestFailed(reason),
            copyFailed(reason),
            databaseCannotOpen(reason)};
}

}
