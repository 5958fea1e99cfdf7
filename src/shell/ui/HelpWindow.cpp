#include "shell/ui/HelpWindow.h"

#include "controls/ui/ChameleonButton.h"
#include "i18n/ui/LanguageApplier.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The page's <title>, or its file name when it has none.
QString pageTitle(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QFileInfo(path).completeBaseName();
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(QString::fromUtf8(f.readAll()));
    return m.hasMatch() ? m.captured(1).trimmed() : QFileInfo(path).completeBaseName();
}

QPointer<HelpWindow> &openHelp()
{
    static QPointer<HelpWindow> window;
    return window;
}

}

const QStringList &HelpWindow::pageFiles()
{
    static const QStringList files{
        QStringLiteral("index.html"),      QStringLiteral("getting-started.html"),
        QStringLiteral("logging.html"),    QStringLiteral("contest-data.html"),
        QStringLiteral("exports.html"),    QStringLiteral("statistics.html"),
        QStringLiteral("cw-keyer.html"),   QStringLiteral("radio-rotator.html"),
        QStringLiteral("files-backups.html")};
    return files;
}

QString HelpWindow::languageFolder()
{
    return SelectedLanguageWord() == QLatin1String("hrvatski") ? QStringLiteral("hr") : QStringLiteral("en");
}

HelpWindow::HelpWindow(const QString &helpFolder, QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString lang = languageFolder();
    const bool croatian = lang == QLatin1String("hr");
    setWindowTitle(croatian ? QStringLiteral("Brelog - Pomoć") : QStringLiteral("Brelog - Help"));
    m_folder = helpFolder;

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    for (const QString &file : pageFiles())
        m_contents->addItem(pageTitle(QDir(m_folder).filePath(file)));
    m_contents->setMinimumWidth(190);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setSearchPaths({m_folder});
    m_browser->setOpenExternalLinks(true);

    m_back = new ChameleonButton(QStringLiteral("back"), croatian ? QStringLiteral("< Natrag") : QStringLiteral("< Back"), this);
    m_forward = new ChameleonButton(QStringLiteral("forward"),
                                    croatian ? QStringLiteral("Naprijed >") : QStringLiteral("Forward >"), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::syncContents);
    connect(m_contents, &QListWidget::currentRowChanged, this, &HelpWindow::showPage);

    resize(820, 560);
    const QString index = QDir(m_folder).filePath(pageFiles().first());
    if (QFile::exists(index)) {
        m_browser->setSource(QUrl::fromLocalFile(index));
    } else {
        m_browser->setHtml(QStringLiteral("<p>%1</p><p><tt>%2</tt></p>")
                               .arg(croatian ? QStringLiteral("Stranice pomoći nisu pronađene:")
                                             : QStringLiteral("The help pages were not found:"),
                                    index.toHtmlEscaped()));
    }
}

void HelpWindow::showPage(int row)
{
    if (row < 0 || row >= pageFiles().size())
        return;
    const QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(pageFiles().at(row)));
    if (m_browser->source() != url)
        m_browser->setSource(url);
}

void HelpWindow::syncContents(const QUrl &page)
{
    const int row = pageFiles().indexOf(QFileInfo(page.toLocalFile()).fileName());
    const QSignalBlocker block(m_contents);
    m_contents->setCurrentRow(row);
}

HelpWindow *ShowHelp(const ProgramFolder &folder, QWidget *owner)
{
    QPointer<HelpWindow> &window = openHelp();
    // A language chosen since the window opened shows at the next opening.
    const QString help = folder.file(QStringLiteral("help/") + HelpWindow::languageFolder());
    if (window && window->helpFolder() != help) {
        window->close();
        window = nullptr;
    }
    if (!window)
        window = new HelpWindow(help, owner);
    else
        window->contents()->setCurrentRow(0);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
