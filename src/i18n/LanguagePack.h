#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One control line of a window section: the control (possibly "Name(i)" or
// "Name.TabCaption(n)"), its caption and its tooltip.
struct LanguagePackControl
{
    QString Name;
    QString Caption;
    QString ToolTip;
};

// One window section of a pack: [Name] ... [Name.End].
struct LanguagePackForm
{
    QString Name;
    QString Caption; // the window title; empty when the section has no title line
    QList<LanguagePackControl> Controls;
};

// What an entry name addresses.
struct LanguagePackTarget
{
    enum Kind { Plain, ArrayElement, TabPage };
    Kind kind = Plain;
    QString control; // objectName of the control (for an array element: "Name(i)")
    int index = 0;   // tab page number (1-based) or array element number
};

// The pack loader. Reading rules of a pack, item by item (raw items, see
// ItemFileReader::Mode::Raw), first rule that fits:
//  1. an empty item or one starting with ";" is a comment;
//  2. "[...End]" closes the open section (control lines up to the next header are ignored);
//  3. "[Name]" opens the section Name;
//  4. an item starting with "Caption" is the title of the newest section, closed or not;
//  5. "Ctl.Caption=..." in an open section adds an entry named Ctl;
//  6. "Ctl.ToolTip=..." in an open section renames the newest entry to Ctl and sets its tooltip;
//  7. anything else is ignored.
// A value starts two characters after the first "=" (past the opening quote); while it
// does not end with a quote the next item is appended after ", ", so commas inside a
// quoted text come back followed by exactly one blank. The closing quote is removed.
class LanguagePack
{
public:
    // The loader every window uses; created at first use.
    static LanguagePack &instance();

    // Replaces the contents with the pack at `path`. False when the file cannot be
    // read; the loader is then empty, so windows keep their designed texts.
    bool LoadLanguagePack(const QString &path);

    // Replaces the contents with the pack held in `text`.
    void loadFromText(const QString &text);

    // Names of the files in `folder` matching the wildcard `pattern`, joined by "|";
    // empty when the folder does not exist or nothing matches.
    static QString EnumLanguagePacks(const QString &folder, const QString &pattern);

    QString path() const { return m_path; }
    const QList<LanguagePackForm> &forms() const { return m_forms; }
    // The first section named exactly `windowName`, or nullptr.
    const LanguagePackForm *form(const QString &windowName) const;

    // What an entry name addresses: "Name.TabCaption(n)" (any case), "Name(i)", or a plain name.
    static LanguagePackTarget targetOf(const QString &entryName);

private:
    QString m_path;
    QList<LanguagePackForm> m_forms;
};

// The selection file jezik/jezik.ini and the packs it names.
namespace LanguageSelection {

// The pack file name for a selection word ("hrvatski" -> "hrvatski.lpk"); empty for
// any other word. Comparison is exact.
QString packFileForWord(const QString &word);

// The selection word of an ini file: its last non-empty item; empty when the file
// cannot be read.
QString readWord(const QString &iniPath);

// Replaces the ini file's content with the word and a line end; on failure the old
// content stays and `error` says why.
bool writeWord(const QString &iniPath, const QString &word, QString *error = nullptr);

// Where the packs and jezik.ini are: the folder jezik/ of the program folder in use.
// Every window relabels itself from there when it is built, so the one place that
// owns the program folder says it once, before the first window.
void useFolder(const QString &jezikFolder);
// jezik.ini and <file> of that folder.
QString iniPath();
QString packPath(const QString &packFile);

}
