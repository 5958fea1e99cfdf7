#include "i18n/ui/LanguageApplier.h"

#include "i18n/LanguagePack.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace {

// Index of the window's own named objects, first one of a name wins.
class NamedObjects
{
public:
    explicit NamedObjects(QWidget *window) { visitChildren(window); }

    QObject *find(const QString &name) const { return m_byName.value(name); }

private:
    void add(QObject *o)
    {
        if (!o->objectName().isEmpty() && !m_byName.contains(o->objectName()))
            m_byName.insert(o->objectName(), o);
    }

    void visitChildren(QObject *parent)
    {
        for (QObject *child : parent->children()) {
            if (m_seen.contains(child))
                continue;
            m_seen.insert(child);
            auto *w = qobject_cast<QWidget *>(child);
            auto *menu = qobject_cast<QMenu *>(child);
            // Another window (a dialog parented to this one) has its own section.
            if (w && w->isWindow() && !menu)
                continue;
            add(child);
            if (auto *bar = qobject_cast<QMenuBar *>(child))
                visitActions(bar->actions());
            if (menu)
                visitActions(menu->actions());
            visitChildren(child);
        }
    }

    // Menus and actions reached through a menu bar though parented elsewhere.
    void visitActions(const QList<QAction *> &actions)
    {
        for (QAction *a : actions) {
            if (!m_seen.contains(a)) {
                m_seen.insert(a);
                add(a);
            }
            if (QMenu *sub = a->menu(); sub && !m_seen.contains(sub)) {
                m_seen.insert(sub);
                add(sub);
                visitActions(sub->actions());
                visitChildren(sub);
            }
        }
    }

    QHash<QString, QObject *> m_byName;
    QSet<QObject *> m_seen;
};

// A pack is a text file anyone can edit: a caption of a megabyte would stretch its
// window past the screen (and past what the window system accepts).
QString sane(const QString &text)
{
    return text.size() > MaxCaptionLength ? text.left(MaxCaptionLength) : text;
}

void setCaption(QObject *o, const QString &rawCaption)
{
    const QString caption = sane(rawCaption);
    if (auto *label = qobject_cast<QLabel *>(o))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(o))
        button->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(o))
        group->setTitle(caption);
    else if (auto *menu = qobject_cast<QMenu *>(o))
        menu->setTitle(caption);
    else if (auto *action = qobject_cast<QAction *>(o))
        action->setText(caption);
}

void setToolTip(QObject *o, const QString &rawToolTip)
{
    const QString toolTip = sane(rawToolTip);
    if (auto *w = qobject_cast<QWidget *>(o))
        w->setToolTip(toolTip);
    else if (auto *action = qobject_cast<QAction *>(o))
        action->setToolTip(toolTip);
}

void setTabCaption(QObject *o, int page, const QString &rawCaption)
{
    const QString caption = sane(rawCaption);
    const int index = page - 1;
    if (auto *tabs = qobject_cast<QTabWidget *>(o)) {
        if (index >= 0 && index < tabs->count())
            tabs->setTabText(index, caption);
    } else if (auto *bar = qobject_cast<QTabBar *>(o)) {
        if (index >= 0 && index < bar->count())
            bar->setTabText(index, caption);
    }
}

}

void SetLanguageInForm(QWidget *window, const LanguagePack &pack)
{
    if (!window)
        return;
    const LanguagePackForm *form = pack.form(window->objectName());
    if (!form)
        return;
    window->setWindowTitle(sane(form->Caption));
    const NamedObjects objects(window);
    for (const LanguagePackControl &entry : form->Controls) {
        const LanguagePackTarget target = LanguagePack::targetOf(entry.Name);
        QObject *o = objects.find(target.control);
        if (!o)
            continue;
        switch (target.kind) {
        case LanguagePackTarget::TabPage:
            setTabCaption(o, target.index, entry.Caption);
            break;
        case LanguagePackTarget::ArrayElement:
            setCaption(o, entry.Caption);
            break;
        case LanguagePackTarget::Plain:
            if (!entry.Caption.isEmpty())
                setCaption(o, entry.Caption);
            if (!entry.ToolTip.isEmpty())
                setToolTip(o, entry.ToolTip);
            break;
        }
    }
}

void SetLanguageInForm(QWidget *window)
{
    SetLanguageInForm(window, LanguagePack::instance());
}

void SetaLinguagemnoForm(QWidget *window)
{
    SetLanguageInForm(window);
}

QString SelectedLanguageWord()
{
    return LanguageSelection::readWord(LanguageSelection::iniPath());
}

bool SelectLanguage(const QString &word, QWidget *window, QString *storeError)
{
    const QString packFile = LanguageSelection::packFileForWord(word);
    if (packFile.isEmpty())
        return false;
    LanguageSelection::writeWord(LanguageSelection::iniPath(), word, storeError);
    LanguagePack &pack = LanguagePack::instance();
    pack.LoadLanguagePack(LanguageSelection::packPath(packFile));
    SetLanguageInForm(window, pack);
    return true;
}
