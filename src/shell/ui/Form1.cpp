#include "shell/ui/Form1.h"

#include "callinfo/ui/CallInfoController.h"
#include "callinfo/ui/KnownStationsModel.h"
#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestContext.h"
#include "contestlog/EntryPreferences.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryField.h"
#include "contestlog/ui/LogEntry.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "cw/ui/KeyerPanel.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SqliteDatabase.h"
#include "shell/ui/LedClock.h"
#include "shell/ui/MenuIcons.h"
#include "shell/ui/UtcClockController.h"
#include "station/RadioFollower.h"
#include "station/StationControl.h"
#include "station/ui/StationMessages.h"
#include "station/ui/StationPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

namespace {

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame *line(const QString &name, QFrame::Shape shape, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Plain);
    f->setLineWidth(2);
    return f;
}

QLineEdit *display(const QString &name, QWidget *parent, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

QLabel *valueField(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
    l->setMinimumHeight(24);
    l->setProperty("valueField", true);
    return l;
}

}

Form1::Form1(Platform &platform, ContestContext &context, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brelog    v.2.0"));

    m_station = new StationControl(this);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    auto *root = new QVBoxLayout(central);
    root->setContentsMargins(8, 6, 8, 6);
    root->setSpacing(6);

    // --- entry line across the window ----------------------------------------------
    // The clock sits in the right column, so that the entry line, QRB, bearing and
    // duplicate fields included, fits a 1024 px screen.
    auto *top = new QHBoxLayout;
    auto *entryFrame = new QFrame(central);
    entryFrame->setObjectName(QStringLiteral("entryFrame"));
    entryFrame->setFrameShape(QFrame::StyledPanel);
    auto *entryGrid = new QGridLayout(entryFrame);
    entryGrid->setContentsMargins(8, 6, 8, 6);
    entryGrid->setHorizontalSpacing(5);
    entryGrid->setVerticalSpacing(3);
    buildEntryLine(entryGrid);
    top->addWidget(entryFrame, 1);
    root->addLayout(top);

    // --- band view and call-sign information --------------------------------------
    auto *middle = new QHBoxLayout;
    middle->setSpacing(10);
    auto *left = new QVBoxLayout;
    auto *totals = new QHBoxLayout;
    totals->setSpacing(6);
    m_entry.Combo2 = new QComboBox(central);
    m_entry.Combo2->setObjectName(QStringLiteral("Combo2"));
    m_entry.Combo2->setMinimumWidth(110);
    m_entry.Text11 = display(QStringLiteral("Text11"), central, 70);
    m_entry.Text12 = display(QStringLiteral("Text12"), central, 70);
    m_entry.Text13 = display(QStringLiteral("Text13"), central, 90);
    totals->addWidget(caption(QStringLiteral("Label13"), QStringLiteral("Band"), central));
    totals->addWidget(m_entry.Combo2);
    totals->addSpacing(16);
    totals->addWidget(caption(QStringLiteral("Label14"), QStringLiteral("QSO's"), central));
    totals->addWidget(m_entry.Text11);
    totals->addSpacing(8);
    totals->addWidget(caption(QStringLiteral("Label15"), QStringLiteral("ODX"), central));
    totals->addWidget(m_entry.Text12);
    totals->addSpacing(8);
    totals->addWidget(caption(QStringLiteral("Label20"), QStringLiteral("Bodovi"), central));
    totals->addWidget(m_entry.Text13);
    totals->addStretch();
    m_stationPanel = new StationPanel(*m_station, central);
    totals->addWidget(m_stationPanel);
    left->addLayout(totals);

    m_session = new EntrySession(m_context, this);
    m_entry.DataGrid1 = new QTableView(central);
    m_entry.DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    m_entry.DataGrid1->setModel(&m_session->log());
    m_entry.DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entry.DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entry.DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entry.DataGrid1->setAlternatingRowColors(true);
    m_entry.DataGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_entry.DataGrid1->verticalHeader()->setDefaultSectionSize(22);
    m_entry.DataGrid1->horizontalHeader()->setStretchLastSection(false);
    m_entry.DataGrid1->setColumnHidden(BandLogModel::Id, true);
    m_entry.DataGrid1->viewport()->installEventFilter(this);
    left->addWidget(m_entry.DataGrid1, 1);

    auto *info = new QGridLayout;
    info->setHorizontalSpacing(6);
    m_entry.Label17 = valueField(QStringLiteral("Label17"), central);
    m_entry.Label18 = valueField(QStringLiteral("Label18"), central);
    m_entry.Label19 = valueField(QStringLiteral("Label19"), central);
    m_entry.Label26 = valueField(QStringLiteral("Label26"), central);
    m_entry.Label29 = valueField(QStringLiteral("Label29"), central);
    m_entry.Label30 = valueField(QStringLiteral("Label30"), central);
    m_entry.Label31 = valueField(QStringLiteral("Label31"), central);
    m_entry.Label32 = valueField(QStringLiteral("Label32"), central);
    m_entry.Label26->hide();
    m_entry.Label32->hide();
    info->addWidget(caption(QStringLiteral("Label22"), QStringLiteral("DXCC zemlja:"), central), 0, 0);
    info->addWidget(m_entry.Label17, 0, 1);
    info->addWidget(m_entry.Label29, 0, 1);
    info->addWidget(caption(QStringLiteral("Label23"), QStringLiteral("CQ:"), central), 0, 2);
    info->addWidget(m_entry.Label18, 0, 3);
    info->addWidget(m_entry.Label30, 0, 3);
    info->addWidget(caption(QStringLiteral("Label24"), QStringLiteral("ITU:"), central), 0, 4);
    info->addWidget(m_entry.Label19, 0, 5);
    info->addWidget(m_entry.Label31, 0, 5);
    info->setColumnStretch(1, 1);
    info->setColumnMinimumWidth(3, 48);
    info->setColumnMinimumWidth(5, 48);
    left->addLayout(info);
    middle->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    m_clockArea = new QVBoxLayout;
    m_clockArea->setObjectName(QStringLiteral("clockArea"));
    m_ledClock = new LedClock(m_platform.clock, central);
    m_clockArea->addWidget(m_ledClock, 0, Qt::AlignRight | Qt::AlignTop);
    // The lamp of the shared contest database: shown only while the contest is on a server.
    m_serverLamp = new QLabel(QStringLiteral("Poslužitelj"), central);
    m_serverLamp->setObjectName(QStringLiteral("ServerLamp"));
    m_serverLamp->setAlignment(Qt::AlignCenter);
    m_serverLamp->setMargin(3);
    m_serverLamp->hide();
    m_clockArea->addWidget(m_serverLamp, 0, Qt::AlignRight | Qt::AlignTop);
    right->addLayout(m_clockArea);
    right->addWidget(caption(QStringLiteral("Label21"), QStringLiteral("Info za pozivni znak i lokator:"), central));
    m_entry.DataGrid2 = new QTableView(central);
    m_entry.DataGrid2->setObjectName(QStringLiteral("DataGrid2"));
    m_entry.DataGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entry.DataGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entry.DataGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entry.DataGrid2->verticalHeader()->hide();
    m_entry.DataGrid2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_entry.DataGrid2->verticalHeader()->setDefaultSectionSize(22);
    m_entry.DataGrid2->horizontalHeader()->setStretchLastSection(true);
    // Narrower on a small screen, a little wider on a large one.
    m_entry.DataGrid2->setMinimumWidth(230);
    m_entry.DataGrid2->setMaximumWidth(380);
    right->addWidget(m_entry.DataGrid2, 1);
    m_keyerArea = new QVBoxLayout;
    m_keyerArea->setObjectName(QStringLiteral("keyerArea"));
    right->addLayout(m_keyerArea);
    // The keyer fills its macros from the contest data and the entry as they are when
    // a memory starts.
    m_keyer = new KeyerPanel(m_context.folder(), m_platform, [this] {
        const ContestSettings &s = m_context.contestData().settings();
        return MacroValues{s.pozivniZnak, m_session->currentCall(), m_session->serialToSend(),
                           m_session->sentReport(), s.lokator};
    }, central);
    m_keyer->setMaximumWidth(m_entry.DataGrid2->maximumWidth()); // one column with the known stations
    m_keyerArea->addWidget(m_keyer);
    m_keyer->installShortcuts(this);
    middle->addLayout(right, 1);
    root->addLayout(middle, 1);

    // Hidden labels whose captions (set by the language pack) become the grid headers.
    const QStringList headers = {QStringLiteral("Time"),  QStringLiteral("Call"),  QStringLiteral("RST S"),
                                 QStringLiteral("Nr. S"), QStringLiteral("Mode"),  QStringLiteral("RST R"),
                                 QStringLiteral("Nr. R"), QStringLiteral("Locator"), QStringLiteral("QRB"),
                                 QStringLiteral("Bearing"), QStringLiteral("Dupe"), QStringLiteral("Date")};
    for (int i = 0; i < headers.size(); ++i) {
        QLabel *l = caption(QStringLiteral("Label%1").arg(33 + i), headers.at(i), central);
        l->hide();
        m_headerLabels << l;
    }
    // The same for the two columns of the known-stations list.
    for (const auto &[name, text] : {std::pair{"Label48", "pozivni"}, std::pair{"Label49", "lokator"}}) {
        QLabel *l = caption(QString::fromLatin1(name), QString::fromLatin1(text), central);
        l->hide();
        m_stationHeaderLabels << l;
    }

    buildMenus();
    setTabOrder();

    m_callInfo = new CallInfoController(m_context.folder(), m_entry, this);
    m_log = new LogEntry(m_entry, *m_session, m_context, m_platform, this);
    m_session->setCallInfo(m_callInfo);
    m_session->setSound(&m_platform.sound);
    m_log->connectGrid();

    connect(static_cast<EntryField *>(m_entry.Text2), &QLineEdit::textChanged, m_log, &LogEntry::onCallChanged);
    for (QLineEdit *f : {m_entry.Text2, m_entry.Text3, m_entry.Text4, m_entry.Text6, m_entry.Text7, m_entry.Text8})
        connect(static_cast<EntryField *>(f), &EntryField::enterPressed, m_log, &LogEntry::enterAction);
    connect(m_entry.chameleonButton1, &QPushButton::clicked, m_log, &LogEntry::spremiAction);
    connect(m_entry.chameleonButton2, &QPushButton::clicked, m_log, &LogEntry::izmjeniAction);
    connect(m_entry.chameleonButton3, &QPushButton::clicked, m_log, &LogEntry::odustaniAction);
    connect(m_entry.spremi, &QAction::triggered, m_log, &LogEntry::spremiAction);
    connect(m_entry.izmjeni, &QAction::triggered, m_log, &LogEntry::izmjeniAction);
    connect(m_entry.odustani, &QAction::triggered, m_log, &LogEntry::odustaniAction);
    connect(m_entry.brisi, &QAction::triggered, m_log, &LogEntry::brisiAction);
    connect(m_entry.Combo1, &QComboBox::activated, m_log, &LogEntry::applyReportDefaults);
    connect(m_entry.Combo2, &QComboBox::currentIndexChanged, m_log, &LogEntry::onBandChanged);
    connect(m_callInfo, &CallInfoController::stationPicked, m_log, &LogEntry::fillStation);
    connect(m_callInfo, &CallInfoController::stationMatched, m_log, &LogEntry::offerLocator);
    ContestSession &session = m_context.session();
    connect(&session, &ContestSession::reopened, m_log, &LogEntry::onDatabaseReopened);
    connect(&session, &ContestSession::aboutToClose, m_log, [this] { m_log->store().setDatabase({}); });
    connect(&session, &ContestSession::changedElsewhere, m_log, &LogEntry::onChangedElsewhere);
    connect(&session, &ContestSession::connectionChanged, this, &Form1::showServerLamp);
    connect(action(QStringLiteral("kraj")), &QAction::triggered, this, &QWidget::close);

    connectCommands();
    installKeyPreview();
    load();

    // A large screen is used, a small one filled.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize avail = screen->availableSize();
        const int width = avail.width() >= 1600 ? avail.width() * 9 / 10 : qMin(1340, avail.width());
        const int height = avail.height() >= 1000 ? avail.height() * 9 / 10 : qMin(740, avail.height());
        resize(width, height);
    } else {
        resize(1280, 720);
    }
}

Form1::~Form1()
{
    // The radio and rotator go first: their last signals reach collaborators still alive.
    delete m_station;
    // The grid goes before the rows it shows.
    m_entry.DataGrid1->setModel(nullptr);
}

BandLogModel &Form1::logModel()
{
    return m_session->log();
}

void Form1::buildEntryLine(QGridLayout *grid)
{
    QWidget *p = grid->parentWidget();
    auto field = [&](const char *name, int width) {
        auto *f = new EntryField(QString::fromLatin1(name), p);
        f->setFixedWidth(width);
        return f;
    };
    auto *t1 = field("Text1", 64);
    auto *t17 = field("Text17", 64);
    auto *t14 = field("Text14", 92);
    auto *t16 = field("Text16", 92);
    auto *t2 = field("Text2", 150);
    auto *t3 = field("Text3", 52);
    auto *t4 = field("Text4", 56);
    auto *t6 = field("Text6", 52);
    auto *t7 = field("Text7", 72);
    auto *t8 = field("Text8", 100);
    t2->setUpperCase(true);
    t8->setUpperCase(true);
    t7->setMaxLength(150);
    t8->setMaxLength(6);
    for (EntryField *f : {t2, t3, t4, t6, t7, t8})
        f->setEnterIsCommand(true);
    for (EntryField *f : {t1, t14, t2, t3, t6, t7})
        f->setFocusSelection(EntryField::FocusSelection::ToEnd);
    t8->setFocusSelection(EntryField::FocusSelection::LocatorRest);
    m_entry.Text1 = t1;
    m_entry.Text17 = t17;
    m_entry.Text14 = t14;
    m_entry.Text16 = t16;
    m_entry.Text2 = t2;
    m_entry.Text3 = t3;
    m_entry.Text4 = t4;
    m_entry.Text6 = t6;
    m_entry.Text7 = t7;
    m_entry.Text8 = t8;

    m_entry.Combo1 = new QComboBox(p);
    m_entry.Combo1->setObjectName(QStringLiteral("Combo1"));
    m_entry.Combo1->setEditable(true);
    m_entry.Combo1->setInsertPolicy(QComboBox::NoInsert);
    m_entry.Combo1->addItems({QStringLiteral("FM"), QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("RTTY"),
                              QStringLiteral("SSTV"), QStringLiteral("ATV"), QStringLiteral("AM"),
                              QStringLiteral("Drugo!")});
    m_entry.Combo1->setFixedWidth(84);
    // A mode typed in other letter case is another mode; the combo must not fold it.
    m_entry.Combo1->completer()->setCaseSensitivity(Qt::CaseSensitive);

    m_entry.Text9 = display(QStringLiteral("Text9"), p, 56);
    m_entry.Text10 = display(QStringLiteral("Text10"), p, 56);
    m_entry.Text15 = display(QStringLiteral("Text15"), p, 44);

    QFont big = t2->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.35);
    for (QWidget *w : std::initializer_list<QWidget *>{t2, t7, t8})
        w->setFont(big);
    QFont bold = t3->font();
    bold.setBold(true);
    for (QWidget *w : std::initializer_list<QWidget *>{t1, t17, t14, t16, t3, t4, t6, m_entry.Combo1, m_entry.Text9,
                                                       m_entry.Text10, m_entry.Text15})
        w->setFont(bold);

    int c = 0;
    auto place = [&](const QString &label, const QString &text, QWidget *w1, QWidget *w2 = nullptr) {
        grid->addWidget(caption(label, text, p), 0, c);
        grid->addWidget(w1, 1, c);
        if (w2)
            grid->addWidget(w2, 1, c);
        ++c;
    };
    place(QStringLiteral("Label1"), QStringLiteral("Vrijeme"), t1, t17);
    place(QStringLiteral("Label12"), QStringLiteral("Datum"), t14, t16);
    place(QStringLiteral("Label2"), QStringLiteral("Pozivni znak"), t2);
    place(QStringLiteral("Label3"), QStringLiteral("RST S"), t3);
    place(QStringLiteral("Label4"), QStringLiteral("Br. S"), t4);
    place(QStringLiteral("Label5"), QStringLiteral("Mod"), m_entry.Combo1);
    place(QStringLiteral("Label6"), QStringLiteral("RST R"), t6);
    place(QStringLiteral("Label7"), QStringLiteral("Br. R"), t7);
    place(QStringLiteral("Label8"), QStringLiteral("Lokator"), t8);

    // The frame: Line6 closes it after the locator; Line7..9 draw it around the QRB,
    // bearing and duplicate fields while a QSO is edited.
    m_entry.Line6 = line(QStringLiteral("Line6"), QFrame::VLine, p);
    grid->addWidget(m_entry.Line6, 0, c, 2, 1);
    const int editCol = ++c;
    m_entry.Label9 = caption(QStringLiteral("Label9"), QStringLiteral("QRB"), p);
    m_entry.Label10 = caption(QStringLiteral("Label10"), QStringLiteral("Bearing"), p);
    m_entry.Label11 = caption(QStringLiteral("Label11"), QStringLiteral("Dupla"), p);
    grid->addWidget(m_entry.Label9, 0, c);
    grid->addWidget(m_entry.Text9, 1, c++);
    grid->addWidget(m_entry.Label10, 0, c);
    grid->addWidget(m_entry.Text10, 1, c++);
    grid->addWidget(m_entry.Label11, 0, c);
    grid->addWidget(m_entry.Text15, 1, c++);
    m_entry.Line9 = line(QStringLiteral("Line9"), QFrame::VLine, p);
    grid->addWidget(m_entry.Line9, 0, c, 2, 1);
    m_entry.Line7 = line(QStringLiteral("Line7"), QFrame::HLine, p);
    m_entry.Line8 = line(QStringLiteral("Line8"), QFrame::HLine, p);
    grid->addWidget(m_entry.Line7, 0, editCol - 1, 1, c - editCol + 2, Qt::AlignTop);
    grid->addWidget(m_entry.Line8, 1, editCol - 1, 1, c - editCol + 2, Qt::AlignBottom);
    m_turnButton = new ChameleonButton(QStringLiteral("chameleonButton30"), QStringLiteral("Okreni antenu"), p);
    m_turnButton->setFocusPolicy(Qt::NoFocus);
    m_turnButton->setToolTip(QStringLiteral("Ctrl+R"));
    m_turnButton->hide();
    grid->addWidget(m_turnButton, 1, ++c);

    // Commands and warnings under the fields.
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    m_entry.chameleonButton1 = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), p);
    m_entry.chameleonButton2 = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Izmjeni"), p);
    m_entry.chameleonButton3 = new ChameleonButton(QStringLiteral("chameleonButton3"), QStringLiteral("Odustani"), p);
    for (ChameleonButton *b : {m_entry.chameleonButton1, m_entry.chameleonButton2, m_entry.chameleonButton3})
        b->setMinimumWidth(96);
    row->addWidget(m_entry.chameleonButton1);
    row->addWidget(m_entry.chameleonButton2);
    row->addWidget(m_entry.chameleonButton3);
    row->addSpacing(12);
    m_entry.Check1 = new QCheckBox(QStringLiteral("Naknadno vođenje"), p);
    m_entry.Check1->setObjectName(QStringLiteral("Check1"));
    row->addWidget(m_entry.Check1);
    row->addSpacing(12);
    m_entry.Label16 = caption(QStringLiteral("Label16"), QStringLiteral("Dvostruka veza !"), p);
    m_entry.Label25 = caption(QStringLiteral("Label25"), QStringLiteral("Nova DXCC zemlja"), p);
    for (QLabel *l : {m_entry.Label16, m_entry.Label25}) {
        QSizePolicy sp = l->sizePolicy();
        sp.setRetainSizeWhenHidden(true); // showing a warning must not move the fields
        l->setSizePolicy(sp);
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        l->setFont(f);
    }
    row->addWidget(m_entry.Label16);
    row->addSpacing(12);
    row->addWidget(m_entry.Label25);
    row->addStretch();
    grid->addLayout(row, 2, 0, 1, c + 1);
    grid->setColumnStretch(c + 1, 1);
}

void Form1::buildMenus()
{
    struct Item
    {
        const char *name;
        const char *text;
        bool enabled;
    };
    auto addMenu = [this](const char *name, const char *title, std::initializer_list<Item> items) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(title));
        m->setObjectName(QString::fromLatin1(name));
        for (const Item &it : items) {
            if (!it.name) {
                m->addSeparator();
                continue;
            }
            QAction *a = m->addAction(QString::fromUtf8(it.text));
            a->setObjectName(QString::fromLatin1(it.name));
            // Commands whose windows are not part of this build stay visible but disabled.
            a->setEnabled(it.enabled);
        }
    };
    addMenu("podaci", "Podaci",
            {{"kreiranje", "Novo  natjecanje", false}, {"sprembaze", "Spremi natjecanje", false},
             {"pozivanjebaze", "Pozovi natjecanje", false}, {nullptr, nullptr, false},
             {"edi", "Izvoz u EDI", false}, {"izuadi", "Izvoz u ADIF", false}, {nullptr, nullptr, false},
             {"kraj", "Kraj", true}});
    addMenu("postav", "Postavke",
            {{"osobnepostavke", "Postavke natjecanja", false},
             {"programpostavke", "Postavke programa", false},
             {"bazanatjecanja", "Baza natjecanja", true},
             {"radiorotator", "Radio i rotator", false}});
    addMenu("editiranje", "Editiranje",
            {{"spremi", "Spremi vezu", true}, {"izmjeni", "Izmjeni vezu", true}, {"odustani", "Odustani", true},
             {nullptr, nullptr, false}, {"brisi", "Briši vezu", true}});
    addMenu("alati", "Alati",
            {{"lokkalk", "Lokator kalkulator", false},
             {"uvozstanica", "Uvoz poznatih stanica iz EDI datoteka...", false},
             {"okreniantenu", "Okreni antenu", true}});
    addMenu("pretraga", "Pretraga",
            {{"pozivniznaktrazi", "Traži po pozivnom znaku", false}, {"trazipolok", "Traži po lokatoru", false}});
    addMenu("statistika", "Statistika", {{"stati", "Statistika", false}});
    addMenu("ispis", "Ispis", {{"issvihveza", "Ispis svih veza", false}});
    addMenu("jezik", "Jezik",
            {{"hrvat", "Hrvatski", false}, {"eng", "English", false}, {"polski", "Polski", false},
             {"slovakian", "Slovensky", false}});
    addMenu("oprogramu", "O programu",
            {{"cwiinterface", "CW Interface", false}, {"frekv", "Liste frekvencija", false},
             {nullptr, nullptr, false}, {"pomoc", "Pomoć", false}, {nullptr, nullptr, false},
             {"oprogramceku", "O programu", false}});

    action(QStringLiteral("okreniantenu"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_entry.spremi = action(QStringLiteral("spremi"));
    m_entry.izmjeni = action(QStringLiteral("izmjeni"));
    m_entry.odustani = action(QStringLiteral("odustani"));
    m_entry.brisi = action(QStringLiteral("brisi"));
    m_entry.edi = action(QStringLiteral("edi"));
    m_entry.izuadi = action(QStringLiteral("izuadi"));
    m_entry.pozivniznaktrazi = action(QStringLiteral("pozivniznaktrazi"));
    m_entry.trazipolok = action(QStringLiteral("trazipolok"));
    m_entry.stati = action(QStringLiteral("stati"));
    m_entry.issvihveza = action(QStringLiteral("issvihveza"));
}

void Form1::setTabOrder()
{
    const QList<QWidget *> order = {m_entry.Text2,  m_entry.Text6,  m_entry.Text7,
                                    m_entry.Text8,  m_entry.chameleonButton1, m_entry.chameleonButton3,
                                    m_entry.chameleonButton2, m_entry.Text3, m_entry.Text4,
                                    m_entry.Combo1, m_entry.Text14, m_entry.Text1,
                                    m_entry.Combo2, m_entry.Text17, m_entry.Text16,
                                    m_entry.Check1, m_entry.DataGrid1, m_entry.DataGrid2};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
}

void Form1::installKeyPreview()
{
    // The window sees every key first: Left and Right arrows move between fields, so
    // they never move the caret inside one.
    moveFocusWithArrows(centralWidget());
    m_entry.Combo1->installEventFilter(this);
    m_entry.Combo1->lineEdit()->installEventFilter(this);
    m_entry.Text2->installEventFilter(this); // Down reaches the known stations
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_entry.DataGrid1->viewport()) {
        fitLogColumns();
    } else if (event->type() == QEvent::KeyPress && watched == m_entry.Text2
               && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down
               && !static_cast<QKeyEvent *>(event)->modifiers()) {
        // Down from the call field reaches the known stations it lists; Enter there picks one.
        QTableView *list = m_entry.DataGrid2;
        if (list->model() && list->model()->rowCount() > 0) {
            list->setFocus(Qt::OtherFocusReason);
            list->setCurrentIndex(list->model()->index(0, 0));
        }
        return true;
    } else if (event->type() == QEvent::FocusIn
               && (watched == m_entry.Combo1 || watched == m_entry.Combo1->lineEdit())) {
        m_log->applyReportDefaults();
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction *Form1::action(const QString &objectName) const
{
    return menuBar()->findChild<QAction *>(objectName);
}

QMenu *Form1::menu(const QString &objectName) const
{
    return menuBar()->findChild<QMenu *>(objectName);
}

void Form1::copyGridHeaders()
{
    QStringList headers;
    for (QLabel *l : m_headerLabels)
        headers << l->text();
    m_session->log().setHeaders(headers);
    fitLogColumns();
    if (KnownStationsModel *stations = m_callInfo ? m_callInfo->knownStationsModel() : nullptr) {
        QStringList stationHeaders;
        for (QLabel *l : m_stationHeaderLabels)
            stationHeaders << l->text();
        stations->setHeaders(stationHeaders);
    }
}

void Form1::fitLogColumns()
{
    // Each column gets what its contents and its header (in the language shown) need;
    // a wider grid shares the rest among all columns in proportion, so no single
    // column swallows it. A narrower one scrolls.
    static const int contents[BandLogModel::ColumnCount] = {60, 120, 52, 56, 64, 52, 56, 80, 56, 64, 48, 92, 0};
    QTableView *grid = m_entry.DataGrid1;
    QHeaderView *header = grid->horizontalHeader();
    QList<int> base(header->count(), 0);
    int sum = 0;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c))
            continue;
        base[c] = qMax(c < BandLogModel::ColumnCount ? contents[c] : 60, header->sectionSizeHint(c));
        sum += base[c];
    }
    const int extra = qMax(0, grid->viewport()->width() - sum);
    int given = 0, last = -1;
    for (int c = 0; c < header->count(); ++c) {
        if (base[c] == 0)
            continue;
        const int share = sum > 0 ? int(qint64(extra) * base[c] / sum) : 0;
        header->resizeSection(c, base[c] + share);
        given += share;
        last = c;
    }
    if (last >= 0 && extra > given) // what rounding left goes to the last column
        header->resizeSection(last, header->sectionSize(last) + extra - given);
}

void Form1::load()
{
    ApplySelectedLanguage(this);
    copyGridHeaders();
    meni(menuBar());
    // One window for every database that fails: each reason on a line of its own.
    auto reasons = std::make_shared<QStringList>();
    auto databaseFailure = [this, reasons](const QString &reason) {
        *reasons << reason;
        m_platform.messages.show(MessageCatalogue::databaseCannotOpen(reasons->join(QLatin1Char('\n'))));
    };
    connect(m_callInfo, &CallInfoController::knownStationsError, this,
            [databaseFailure](const QString &reason) { databaseFailure(QStringLiteral("evidencija.mdb: ") + reason); });
    m_callInfo->start();
    copyGridHeaders(); // the known-stations list has its model now
    openContestDatabase(databaseFailure);
    applyEntryPreferences();
    m_log->startUp();
    showServerLamp(m_context.session().isConnected());
    // The clock runs from here on: time and date in UTC every second, the LED clock every 100 ms.
    m_clock = new UtcClockController(m_platform.clock, m_entry.Text1, m_entry.Text14, m_entry.Check1, m_ledClock, this);
    connectStation();
}

void Form1::connectStation()
{
    // The one place where the radio meets the entry line: the band selector and the mode
    // field follow the radio as if the operator had chosen them, never while a QSO is
    // being typed or edited.
    RadioFollower::Entry entry;
    entry.busy = [this] {
        const EntrySession::Draft &d = m_session->draft();
        return !d.call.isEmpty() || !d.serialReceived.isEmpty() || d.locator.size() > 2
               || m_session->mode() != EntrySession::Mode::New;
    };
    entry.bands = [this] {
        QList<RadioBands::StoredBand> bands;
        const ContestSettings &settings = m_context.contestData().settings();
        for (int i = 0; i < m_entry.Combo2->count(); ++i) {
            const QString label = m_entry.Combo2->itemText(i);
            const int k = BandLabels::number(label);
            bands.append({label, k > 0 ? settings.bands.at(k).transOsc : QString()});
        }
        return bands;
    };
    entry.band = [this] { return m_entry.band(); };
    entry.selectBand = [this](const QString &band) { m_entry.Combo2->setCurrentIndex(m_entry.Combo2->findText(band)); };
    entry.mode = [this] { return m_entry.Combo1->currentText(); };
    entry.selectMode = [this](const QString &mode) {
        m_entry.Combo1->setCurrentText(mode);
        m_log->applyReportDefaults();
    };
    m_radioFollower = std::make_unique<RadioFollower>(entry);
    RadioLink &radio = m_station->radio();
    connect(&radio, &RadioLink::radioRead, this,
            [this](qint64 hz, const QString &mode) { m_radioFollower->radioRead(hz, mode); });
    connect(&radio, &HamlibLink::statusChanged, this, [this] {
        if (!m_station->radio().isConnected())
            m_radioFollower->forget();
    });
    connect(&radio, &HamlibLink::daemonFailed, this,
            [this](const QString &text) { StationMessages::showDaemonFailure(m_platform.messages, false, text); });
    connect(&m_station->rotator(), &HamlibLink::daemonFailed, this,
            [this](const QString &text) { StationMessages::showDaemonFailure(m_platform.messages, true, text); });
    connect(action(QStringLiteral("okreniantenu")), &QAction::triggered, this, &Form1::turnAntenna);
    connect(m_turnButton, &QPushButton::clicked, this, &Form1::turnAntenna);
    applyStationSettings();
}

void Form1::applyStationSettings()
{
    m_station->apply(m_context.settings().read<StationSettings>());
    m_turnButton->setVisible(m_station->rotator().isEnabled());
    m_stationPanel->refresh();
}

void Form1::turnAntennaToBearing(double bearing)
{
    StationMessages::showTurnResult(m_platform.messages, m_station->turnToBearing(bearing));
}

void Form1::turnAntenna()
{
    StationMessages::showTurnResult(
        m_platform.messages,
        m_station->turnToLocator(m_context.contestData().settings().lokator, m_session->draft().locator));
}

void Form1::openContestDatabase(const std::function<void(const QString &)> &databaseFailure)
{
    // A file that is no contest database is not opened at all: every statement on it
    // would fail with the driver's words ("no such table").
    ContestSession &session = m_context.session();
    QString error;
    if (session.usesServer()) {
        if (!session.open(&error)) // the server's reason names its address
            databaseFailure(error);
        return;
    }
    const QFileInfo file(session.path());
    if (file.exists() && file.size() == 0) {
        databaseFailure(QStringLiteral("contest.mdb: the file is empty (0 bytes) and holds no contest"));
        return;
    }
    if (file.exists() && !ContestDatabase::isContestDatabase(file.filePath(), &error)) {
        databaseFailure(QStringLiteral("contest.mdb is not a contest database: ") + error);
        return;
    }
    if (!session.open(&error)) {
        databaseFailure(QStringLiteral("contest.mdb: ") + error);
        return;
    }
    // Said now rather than at the first QSO that cannot be saved.
    if (!SqliteDatabase::checkWritable(session.database(), &error))
        m_platform.messages.show(MessageCatalogue::contestReadOnly(QStringLiteral("%1: %2").arg(file.filePath(), error)));
}

void Form1::closeDatabases()
{
    m_callInfo->closeDatabases();
    m_context.session().close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        m_closing = true;
        // The daemons Brelog started end with it.
        m_station->apply({});
        closeDatabases();
        // Message windows and tool windows go with the main window.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible())
                w->close();
    }
    event->accept();
    QMainWindow::closeEvent(event);
}
