#pragma once
#include <QWidget>

class QListWidget;
class QTextBrowser;
class ChameleonButton;

// The program's help: HTML pages under help/<language>/ of the program folder, shown
// with a contents list and back/forward buttons. Croatian pages when jezik.ini selects
// "hrvatski", English pages otherwise.
class ProgramFolder;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows the pages of `helpFolder` (help/<language> of the program folder).
    explicit HelpWindow(const QString &helpFolder, QWidget *owner = nullptr);

    // The help pages in contents order (file names relative to the language folder).
    static const QStringList &pageFiles();
    // "hr" or "en", from the language selection.
    static QString languageFolder();

    QTextBrowser *browser() const { return m_browser; }
    QListWidget *contents() const { return m_contents; }
    QString helpFolder() const { return m_folder; }

private:
    void showPage(int row);
    // sourceChanged comes before source() changes: the new page is the argument.
    void syncContents(const QUrl &page);

    QString m_folder;
    QListWidget *m_contents = nullptr;
    QTextBrowser *m_browser = nullptr;
    ChameleonButton *m_back = nullptr;
    ChameleonButton *m_forward = nullptr;
};

// Opens the help window at its table of contents, owned by `owner` (one help window
// at a time: a second call brings it forward at the contents again).
HelpWindow *ShowHelp(const ProgramFolder &folder, QWidget *owner);
