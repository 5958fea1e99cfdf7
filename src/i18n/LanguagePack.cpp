#include "i18n/LanguagePack.h"

#include "platform/ItemFileReader.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QLatin1Char Quote('"');

// Number at the start of `text` after leading blanks; 0 when there is none.
int leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    qsizetype j = i;
    while (j < text.size() && text.at(j).isDigit())
        ++j;
    return j > i ? text.mid(i, j - i).toInt() : 0;
}

}

LanguagePack &LanguagePack::instance()
{
    static LanguagePack pack;
    return pack;
}

bool LanguagePack::LoadLanguagePack(const QString &path)
{
    m_path = path;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_forms.clear();
        return false;
    }
    const QString text = QString::fromUtf8(f.readAll());
    loadFromText(text);
    m_path = path;
    return true;
}

void LanguagePack::loadFromText(const QString &text)
{
    m_forms.clear();
    m_path.clear();
    const QStringList items = ItemFileReader::splitItems(text, ItemFileReader::Mode::Raw);

    bool sectionOpen = false;
    qsizetype next = 0;

    // The value of the item just read, with continuation items consumed.
    auto valueOf = [&](const QString &item) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        QString value = eq < 0 ? QString() : item.mid(eq + 2);
        // A value whose closing quote never comes takes everything to the end of the file.
        while (!value.endsWith(Quote) && next < items.size())
            value += QStringLiteral(", ") + items.at(next++);
        if (value.endsWith(Quote))
            value.chop(1);
        return value;
    };

    while (next < items.size()) {
        const QString item = items.at(next++);
        if (item.isEmpty() || item.startsWith(QLatin1Char(';')))
            continue;
        if (item.startsWith(QLatin1Char('[')) && item.endsWith(QLatin1String(".End]"))) {
            sectionOpen = false;
        } else if (item.startsWith(QLatin1Char('[')) && item.endsWith(QLatin1Char(']'))) {
            LanguagePackForm form;
            form.Name = item.mid(1, item.size() - 2);
            m_forms << form;
            sectionOpen = true;
        } else if (item.startsWith(QLatin1String("Caption"))) {
            const QString value = valueOf(item);
            // A title before any section has no window to belong to.
            if (!m_forms.isEmpty())
                m_forms.last().Caption = value;
        } else if (sectionOpen && item.contains(QLatin1String(".Caption"))) {
            LanguagePackControl control;
            control.Name = item.left(item.indexOf(QLatin1String(".Caption")));
            control.Caption = valueOf(item);
            m_forms.last().Controls << control;
        } else if (sectionOpen && item.contains(QLatin1String(".ToolTip"))) {
            const QString name = item.left(item.indexOf(QLatin1String(".ToolTip")));
            const QString value = valueOf(item);
            // A tooltip before the section's first control line has no entry to go to.
            if (!m_forms.last().Controls.isEmpty()) {
                LanguagePackControl &control = m_forms.last().Controls.last();
                control.Name = name;
                control.ToolTip = value;
            }
        }
    }
}

const LanguagePackForm *LanguagePack::form(const QString &windowName) const
{
    for (const LanguagePackForm &f : m_forms)
        if (f.Name == windowName)
            return &f;
    return nullptr;
}

LanguagePackTarget LanguagePack::targetOf(const QString &entryName)
{
    LanguagePackTarget t;
    const int number = leadingNumber(entryName.mid(entryName.lastIndexOf(QLatin1Char('(')) + 1));
    if (entryName.toUpper().contains(QLatin1String(".TABCAPTION("))) {
        t.kind = LanguagePackTarget::TabPage;
        t.control = entryName.left(entryName.indexOf(QLatin1Char('.')));
        t.index = number;
    } else if (entryName.contains(QLatin1Char(')'))) {
        t.kind = LanguagePackTarget::ArrayElement;
        t.index = number;
        t.control = entryName.left(entryName.indexOf(QLatin1Char('('))) + QLatin1Char('(')
                    + QString::number(number) + QLatin1Char(')');
    } else {
        t.control = entryName;
    }
    return t;
}

QString LanguagePack::EnumLanguagePacks(const QString &folder, const QString &pattern)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    return dir.entryList({pattern}, QDir::Files, QDir::NoSort).join(QLatin1Char('|'));
}

namespace LanguageSelection {

QString packFileForWord(const QString &word)
{
    for (const char *known : {"hrvatski", "polski", "engleski", "slovacki"})
        if (word == QLatin1String(known))
            return word + QStringLiteral(".lpk");
    return {};
}

QString readWord(const QString &iniPath)
{
    const std::optional<QStringList> items = ItemFileReader::readItems(iniPath);
    if (!items)
        return {};
    // A trailing empty item (a comma after the word) does not unselect the pack.
    for (qsizetype i = items->size() - 1; i >= 0; --i)
        if (!items->at(i).isEmpty())
            return items->at(i);
    return {};
}

bool writeWord(const QString &iniPath, const QString &word, QString *error)
{
    QDir().mkpath(QFileInfo(iniPath).absolutePath());
    return SafeFile::write(iniPath, (word + QLatin1Char('\n')).toUtf8(), error);
}

namespace {
QString &folderInUse()
{
    static QString folder;
    return folder;
}
}

void useFolder(const QString &jezikFolder)
{
    folderInUse() = jezikFolder;
}

QString iniPath()
{
    return QDir(folderInUse()).filePath(QStringLiteral("jezik.ini"));
}

QString packPath(const QString &packFile)
{
    return QDir(folderInUse()).filePath(packFile);
}

}
