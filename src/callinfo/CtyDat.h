#pragma once
#include <QString>
#include <QVector>
#include <optional>

// The country-files format (cty.dat): one record per DXCC/WAE entity, an entity
// line of eight colon-separated fields followed by its alias list, which ends with
// ";". Aliases are prefixes or "=CALL" exact calls, each optionally followed by
// "(cq)", "[itu]", "<lat/lon>", "{cont}" and "~offset~" overrides.
namespace CtyDat {

struct Alias
{
    QString text;  // prefix or call, without "=" and overrides
    bool exact = false;
    std::optional<int> cqZone;
    std::optional<int> ituZone;
};

struct Entity
{
    QString name;
    int cqZone = 0;
    int ituZone = 0;
    QString continent;
    double latitude = 0;  // north positive
    double longitude = 0; // east positive (the file writes west positive)
    double utcOffset = 0; // hours east of UTC (the file writes west positive)
    QString primaryPrefix; // without "*"
    bool starred = false;  // "*": an entity of the WAE or CQ lists only, not DXCC
    QVector<Alias> aliases;
};

// Parses the whole file text. A record that does not have its eight fields is
// skipped and counted in `skipped`.
QVector<Entity> parse(const QString &text, int *skipped = nullptr);

// One row of the `Prefixes` table in stored order.
struct PrefixRow
{
    QString prefix;
    QString masterPrefix;
    std::optional<int> cqZone;
    std::optional<int> ituZone;
    bool exact = false;
};

// The rows of `Prefixes` in the order the lookups need:
// - longer texts before shorter ones, so that the first row matching one of the
//   leading parts of a call is its longest known prefix;
// - each text once: a prefix wins over an equal exact call, and of two entities
//   listing the same exact call the starred (finer) one wins;
// - exact calls only when longer than four characters: a shorter one would also be
//   taken as the prefix of every longer call that starts with it;
// - a primary prefix that holds a digit and is no alias of any entity ("4U1I") is
//   added, since the calls of that entity start with it.
QVector<PrefixRow> prefixRows(const QVector<Entity> &entities);

// Writes a new prefix database (tables `Prefixes` and `CTYDAT`) at `path`, replacing
// an existing file only once the new one is complete.
bool writePrefixDatabase(const QString &path, const QVector<Entity> &entities, QString *error);

}
