#include "controls/MessageCatalogue.h"

namespace MessageCatalogue {

namespace {

const MessageContent::Button Ok{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")};

MessageContent message(const char *objectName, const char *text)
{
    MessageContent m;
    m.objectName = QString::fromLatin1(objectName);
    m.lines = {QString::fromUtf8(text)};
    m.buttons = {Ok};
    return m;
}

// The fixed text in Label1, the reason in Label2.
MessageContent failure(const char *objectName, const char *text, const QString &reason)
{
    MessageContent m = message(objectName, text);
    m.lines << reason;
    m.lineNames = {QStringLiteral("Label1"), QStringLiteral("Label2")};
    m.valueLines = {QStringLiteral("Label2")};
    m.replacesOpen = true;
    return m;
}

}

MessageContent missingData(const QStringList &fields)
{
    MessageContent m = message("Form6", "Niste unijeli potrebne podatke");
    if (!fields.isEmpty()) {
        // The fields are named by their captions in the language shown.
        m.lines << fields.join(QStringLiteral(", "));
        m.lineNames = {QStringLiteral("Label1"), QStringLiteral("Label2")};
        m.valueLines = {QStringLiteral("Label2")};
        m.replacesOpen = true;
    }
    return m;
}

MessageContent notFound()
{
    return message("Form7", "Nije pronađeno");
}

MessageContent newContestWarning()
{
    MessageContent m;
    m.objectName = QStringLiteral("Form8");
    m.lines = {QStringLiteral("UPOZORENJE:"),
               QStringLiteral("Sa ovim procesom ćete obrisati staro natjecanje. Napravite prije BACKUP staroga "
                              "natjecanja."),
               QStringLiteral("Želite li svejedno nastaviti?")};
    m.buttons = {{QStringLiteral("chameleonButton1"), QStringLiteral("Da")},
                 {QStringLiteral("chameleonButton2"), QStringLiteral("Ne")}};
    return m;
}

MessageContent newContestReady()
{
    return message("Form9", "Novo natjecanje je otvoreno");
}

MessageContent contestOpened()
{
    return message("Form11", "Natjecanje je pozvano");
}

MessageContent contestMissingData()
{
    return message("Form13", "Niste unijeli potrebne podatke");
}

MessageContent locatorInvalid()
{
    return message("Form17", "Neispravan lokator. Upišite ispravan lokator (npr. JN85AB).");
}

MessageContent ownLocatorInvalid()
{
    return message("Form18", "Vlastiti lokator nije ispravan. Upišite ga u Postavke natjecanja.");
}

MessageContent notWholeNumber()
{
    return message("Form19", "Raport i serijski brojevi moraju biti cijeli brojevi.");
}

MessageContent qsoNotStored(const QString &reason)
{
    return failure("Form20", "Veza nije spremljena: greška baze podataka.", reason);
}

MessageContent locatorTooLong()
{
    return message("Form21", "Lokator je predugačak (najviše 6 znakova).");
}

MessageContent invalidCopyName()
{
    return message("Form22", "Naziv natjecanja nije ispravan naziv datoteke. Kopija nije spremljena.");
}

MessageContent exportFailed(const QString &reason)
{
    return failure("Form23", "Izvoz nije uspio.", reason);
}

MessageContent emptyBand()
{
    return message("Form24", "Na ovom bandu nema veza.");
}

MessageContent stationImportSummary(const QStringList &lines)
{
    MessageContent m;
    m.objectName = QStringLiteral("Form25");
    m.lines = lines;
    m.buttons = {Ok};
    for (int i = 0; i < lines.size(); ++i)
        m.valueLines << QStringLiteral("Label%1").arg(i + 1);
    m.replacesOpen = true;
    return m;
}

MessageContent settingsNotStored(const QString &reason)
{
    return failure("Form26", "Podaci o natjecanju nisu spremljeni: greška baze podataka.", reason);
}

MessageContent newContestFailed(const QString &reason)
{
    return failure("Form27", "Novo natjecanje nije otvoreno; staro natjecanje je ostalo.", reason);
}

MessageContent copyFailed(const QString &reason)
{
    return failure("Form28", "Kopija natjecanja nije spremljena.", reason);
}

MessageContent databaseCannotOpen(const QString &reason)
{
    return failure("Form29", "Baza podataka se ne može otvoriti.", reason);
}

MessageContent contestNotOpened(const QString &reason)
{
    return failure("Form40", "Natjecanje nije pozvano; radno natjecanje je ostalo.", reason);
}

MessageContent logCannotBeRead(const QString &reason)
{
    return failure("Form41", "Dnevnik se ne može pročitati: greška baze podataka.", reason);
}

MessageContent folderUnusable(const QString &reason)
{
    return failure("Form42", "Brelog ne može raditi u mapi programa.", reason);
}

MessageContent languageNotStored(const QString &reason)
{
    return failure("Form43", "Izbor jezika nije spremljen.", reason);
}

MessageContent contestReadOnly(const QString &reason)
{
    return failure("Form44", "Natjecanje se ne može mijenjati: veze se neće moći spremiti.", reason);
}

MessageContent entryPreferencesNotStored(const QString &file)
{
    return failure("Form35", "Postavke nisu spremljene.", file);
}

MessageContent pictureSaved(const QString &path)
{
    return failure("Form45", "Slika je spremljena:", path);
}

MessageContent pictureNotSaved(const QString &reason)
{
    return failure("Form46", "Slika nije spremljena.", reason);
}

MessageContent qsosCannotBeRead(const QString &reason)
{
    return failure("Form47", "Veze se ne mogu pročitati.", reason);
}

MessageContent cwPortCannotOpen(const QString &reason)
{
    return failure("Form48", "CW ulaz se ne može otvoriti.", reason);
}

MessageContent noMemoryToEdit()
{
    return message("Form49", "Unesite tekst koji želite urediti!");
}

MessageContent memoryNotStored(const QString &reason)
{
    return failure("Form50", "Memorija nije spremljena.", reason);
}

MessageContent radioDaemonStopped(const QString &reason)
{
    return failure("Form51", "rigctld se zaustavio. Radio nije spojen.", reason);
}

MessageContent rotatorDaemonStopped(const QString &reason)
{
    return failure("Form52", "rotctld se zaustavio. Rotator nije spojen.", reason);
}

MessageContent rotatorNotConnected()
{
    return message("Form53", "Rotator nije spojen (Postavke: Radio i rotator).");
}

MessageContent stationSettingsNotStored(const QString &reason)
{
    return failure("Form54", "Postavke radija i rotatora nisu spremljene.", reason);
}

MessageContent serverNotReached(const QString &reason)
{
    return failure("Form55", "Veza s bazom natjecanja nije uspostavljena.", reason);
}

MessageContent serverReached()
{
    return message("Form56", "Veza s bazom natjecanja je uspostavljena.");
}

QList<MessageContent> all()
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
            databaseCannotOpen(reason),
            contestNotOpened(reason),
            logCannotBeRead(reason),
            folderUnusable(reason),
            languageNotStored(reason),
            contestReadOnly(reason),
            entryPreferencesNotStored(QStringLiteral("brelog.ini")),
            pictureSaved(QStringLiteral("/tmp/144.png")),
            pictureNotSaved(reason),
            qsosCannotBeRead(reason),
            cwPortCannotOpen(QStringLiteral("/dev/ttyS0: ") + reason),
            noMemoryToEdit(),
            memoryNotStored(reason),
            radioDaemonStopped(reason),
            rotatorDaemonStopped(reason),
            rotatorNotConnected(),
            stationSettingsNotStored(reason),
            serverNotReached(reason),
            serverReached()};
}

}
