#include "contest/ui/ContestDataDialog.h"

#include "contest/BandLabels.h"
#include "contest/ContestContext.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "platform/Platform.h"
#include "platform/UtcClock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPointer<ContestDataDialog> openDialog;

const QString dateFormat = QString::fromLatin1(LogFormats::DateFormat);

QLabel *heading(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLineEdit *lineEdit(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

// A caption above its field, as one cell of a grid.
void addCell(QGridLayout *grid, int row, int column, const QString &labelName, const QString &caption,
             QWidget *field, int columnSpan = 1, QWidget *parent = nullptr)
{
    auto *cell = new QVBoxLayout;
    cell->setSpacing(2);
    if (!labelName.isEmpty()) {
        auto *label = new QLabel(caption, parent);
        label->setObjectName(labelName);
        label->setBuddy(field);
        cell->addWidget(label);
    } else {
        cell->addSpacing(QFontMetrics(field->font()).height() + 2);
    }
    cell->addWidget(field);
    grid->addLayout(cell, row, column, 1, columnSpan);
}

QString indexed(const char *name, int k)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k);
}

}

ContestDataDialog::ContestDataDialog(Platform &platform, ContestContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_context(context)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Podaci o natjecanju"));
    setAttribute(Qt::WA_DeleteOnClose);
    openDialog = this;

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setUsesScrollButtons(true);
    TabStrip1->setElideMode(Qt::ElideNone);
    for (int k = 1; k <= BandLabels::Count; ++k)
        TabStrip1->addTab(buildPanel(k), BandLabels::label(k));

    chameleonButton1 = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Spremi"), this);
    chameleonButton2 = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Izmjeni"), this);
    chameleonButton3 = new ChameleonButton(QStringLiteral("chameleonButton3"), QStringLiteral("Odustani"), this);
    for (ChameleonButton *b : {chameleonButton1, chameleonButton2, chameleonButton3})
        b->setMinimumWidth(110);
    // "Spremi" and "Izmjeni" share one spot; the button rule shows one of them.
    auto *storeSpot = new QGridLayout;
    storeSpot->setContentsMargins(0, 0, 0, 0);
    storeSpot->addWidget(chameleonButton1, 0, 0);
    storeSpot->addWidget(chameleonButton2, 0, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addLayout(storeSpot);
    buttons->addSpacing(12);
    buttons->addWidget(chameleonButton3);

    auto *right = new QVBoxLayout;
    right->addWidget(TabStrip1, 1);
    right->addLayout(buttons);

    auto *separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("Line1"));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(14);
    layout->addWidget(buildGeneralFields(), 5);
    layout->addWidget(separator);
    layout->addLayout(right, 7);

    connect(chameleonButton1, &QPushButton::clicked, this, &ContestDataDialog::onSpremi);
    connect(chameleonButton2, &QPushButton::clicked, this, &ContestDataDialog::onIzmjeni);
    connect(chameleonButton3, &QPushButton::clicked, this, &QWidget::close);

    buildTabOrder();
    ApplySelectedLanguage(this);

    takeStoredData();
    // Stored data that changed meanwhile (another PC, a new or opened contest) are
    // shown, unless the operator is typing a draft of his own.
    connect(&m_context.contestData(), &ContestSettingsStore::changed, this, [this] {
        if (m_edited)
            return;
        takeStoredData();
        applyButtonRule();
    });

    TabStrip1->setCurrentIndex(0);
    onTabChanged(0);
    connect(TabStrip1, &QTabWidget::currentChanged, this, &ContestDataDialog::onTabChanged);
    for (int k = 1; k <= BandLabels::Count; ++k)
        m_panels[k].Text5->setEnabled(false);
    applyButtonRule();

    moveFocusWithArrows(this);
    for (QLineEdit *field : {Text6, Text8, Text11, Text13})
        upperCaseTypedLetters(field);
    QSize size = sizeHint().expandedTo(QSize(1240, 560));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize()); // a 1024 px screen holds it whole
    resize(size);
}

ContestDataDialog::~ContestDataDialog()
{
    if (openDialog == this)
        openDialog = nullptr;
}

ContestDataDialog *ContestDataDialog::showDialog(Platform &platform, ContestContext &context, QWidget *parent)
{
    return showSingleWindow(openDialog, [&] { return new ContestDataDialog(platform, context, parent); });
}

ContestDataDialog *ContestDataDialog::openInstance()
{
    return openDialog;
}

void ContestDataDialog::takeStoredData()
{
    m_draft = m_context.contestData().settings();
    m_edited = false;
    fillFromSettings();
}

bool ContestDataDialog::storeBandRow(int k, bool update, bool *found)
{
    QString error;
    const bool ok = update ? ContestSettingsTable::updateBandRow(m_context.database(), m_draft, k, found, &error)
                           : ContestSettingsTable::insertBandRow(m_context.database(), m_draft, k, &error);
    if (!ok) {
        m_platform.messages.show(MessageCatalogue::settingsNotStored(error));
        return false;
    }
    if (update && !*found)
        return true; // nothing was written; the caller adds the row instead
    m_edited = false; // the draft is what is stored now
    m_context.contestData().reload();
    return true;
}

QWidget *ContestDataDialog::buildGeneralFields()
{
    auto *box = new QWidget(this);
    box->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    Text1 = lineEdit(QStringLiteral("Text1"), box);
    DTPicker1 = new QDateEdit(box);
    DTPicker2 = new QDateEdit(box);
    for (auto [picker, name] : {std::pair{DTPicker1, "DTPicker1"}, std::pair{DTPicker2, "DTPicker2"}}) {
        picker->setObjectName(QString::fromLatin1(name));
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(dateFormat);
        picker->setMinimumWidth(120);
    }
    QLineEdit **fields[] = {&Text6, &Text7, &Text8, &Text9, &Text10, &Text11, &Text12, &Text13,
                            &Text14, &Text15, &Text16, &Text17, &Text18, &Text19, &Text20};
    for (int i = 0; i < 15; ++i)
        *fields[i] = lineEdit(QStringLiteral("Text%1").arg(i + 6), box);
    Text8->setMaxLength(6);

    int row = 0;
    grid->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Podaci o natjecanju:"), box), row++, 0, 1, 3);
    addCell(grid, row, 0, QStringLiteral("Label2"), QStringLiteral("Naziv natjecanja:"), Text1, 1, box);
    addCell(grid, row, 1, QStringLiteral("Label3"), QStringLiteral("Traje od:"), DTPicker1, 1, box);
    addCell(grid, row++, 2, QStringLiteral("Label4"), QStringLiteral("Traje do:"), DTPicker2, 1, box);
    addCell(grid, row, 0, QStringLiteral("Label5"), QStringLiteral("Pozivni znak:"), Text6, 1, box);
    addCell(grid, row, 1, QStringLiteral("Label6"), QStringLiteral("Ime:"), Text7, 1, box);
    addCell(grid, row++, 2, QStringLiteral("Label7"), QStringLiteral("Lokator:"), Text8, 1, box);
    addCell(grid, row++, 0, QStringLiteral("Label8"), QStringLiteral("Adresa:"), Text9, 3, box);
    addCell(grid, row, 0, QStringLiteral("Label9"), QStringLiteral("Klub:"), Text10, 1, box);
    addCell(grid, row++, 1, QStringLiteral("Label10"), QStringLiteral("Operatori: ( odvajati sa ; )"), Text11, 2, box);
    grid->setRowMinimumHeight(row++, 10);
    grid->addWidget(heading(QStringLiteral("Label11"), QStringLiteral("Odgovorni operator:"), box), row++, 0, 1, 3);
    addCell(grid, row, 0, QStringLiteral("Label12"), QStringLiteral("Ime:"), Text12, 2, box);
    addCell(grid, row++, 2, QStringLiteral("Label13"), QStringLiteral("Pozivni znak:"), Text13, 1, box);
    addCell(grid, row++, 0, QStringLiteral("Label14"), QStringLiteral("Adresa:"), Text14, 3, box);
    grid->addWidget(Text15, row++, 0, 1, 3);
    addCell(grid, row, 0, QStringLiteral("Label15"), QStringLiteral("Poštanski broj:"), Text16, 1, box);
    addCell(grid, row, 1, QStringLiteral("Label16"), QStringLiteral("Mjesto:"), Text17, 1, box);
    addCell(grid, row++, 2, QStringLiteral("Label17"), QStringLiteral("Država:"), Text18, 1, box);
    addCell(grid, row, 0, QStringLiteral("Label18"), QStringLiteral("Telefonski broj:"), Text19, 1, box);
    addCell(grid, row++, 1, QStringLiteral("Label19"), QStringLiteral("Home BBS:"), Text20, 2, box);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);

    auto *outer = new QVBoxLayout(box);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(grid);
    outer->addStretch();

    struct Binding
    {
        QLineEdit *edit;
        QString ContestSettings::*field;
    };
    const Binding bindings[] = {
        {Text1, &ContestSettings::nazivNatjecanja}, {Text6, &ContestSettings::pozivniZnak},
        {Text7, &ContestSettings::ime},             {Text8, &ContestSettings::lokator},
        {Text9, &ContestSettings::adresa},          {Text10, &ContestSettings::klub},
        {Text11, &ContestSettings::operatori},      {Text12, &ContestSettings::ime1},
        {Text13, &ContestSettings::pozivniZnak1},   {Text14, &ContestSettings::adresa1},
        {Text15, &ContestSettings::adresa2},        {Text16, &ContestSettings::postanskiBroj1},
        {Text17, &ContestSettings::mjesto1},        {Text18, &ContestSettings::drzava1},
        {Text19, &ContestSettings::telefBroj1},     {Text20, &ContestSettings::homeBbs1},
    };
    for (const Binding &b : bindings) {
        connect(b.edit, &QLineEdit::textChanged, this, [this, field = b.field](const QString &t) {
            if (!m_syncing) {
                settings().*field = t;
                m_edited = true;
            }
        });
    }
    for (auto [picker, field] : {std::pair{DTPicker1, &ContestSettings::trajeOd},
                                 std::pair{DTPicker2, &ContestSettings::trajeDo}}) {
        connect(picker, &QDateEdit::dateChanged, this, [this, field](const QDate &d) {
            if (!m_syncing) {
                settings().*field = d.toString(dateFormat);
                m_edited = true;
            }
        });
    }
    return box;
}

QFrame *ContestDataDialog::buildPanel(int k)
{
    Panel &p = m_panels[k];
    p.Picture1 = new QFrame;
    p.Picture1->setObjectName(indexed("Picture1", k));
    p.Picture1->setFrameShape(QFrame::NoFrame);
    QWidget *w = p.Picture1;
    p.Text21 = lineEdit(indexed("Text21", k), w);
    p.Text22 = lineEdit(indexed("Text22", k), w);
    p.Text23 = lineEdit(indexed("Text23", k), w);
    p.Text24 = lineEdit(indexed("Text24", k), w);
    p.Text25 = lineEdit(indexed("Text25", k), w);
    p.Text26 = lineEdit(indexed("Text26", k), w);
    p.Text27 = lineEdit(indexed("Text27", k), w);
    p.Text4 = lineEdit(indexed("Text4", k), w);
    p.Text5 = lineEdit(indexed("Text5", k), w);
    p.Text28 = new QPlainTextEdit(w);
    p.Text28->setObjectName(indexed("Text28", k));
    p.Text28->setTabChangesFocus(true);
    p.Text28->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    p.Text28->setMinimumHeight(90);
    p.Combo1 = new QComboBox(w);
    p.Combo1->setObjectName(indexed("Combo1", k));
    p.Combo1->setEditable(true);
    p.Combo1->setInsertPolicy(QComboBox::NoInsert);
    p.Combo1->addItems({QStringLiteral("FM"), QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("RTTY"),
                        QStringLiteral("SSTV"), QStringLiteral("ATV"), QStringLiteral("AM"),
                        QStringLiteral("Drugo!")});

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    int row = 0;
    grid->addWidget(heading(indexed("Label20", k), QStringLiteral("Tehnički podaci:"), w), row++, 0, 1, 4);
    addCell(grid, row, 0, indexed("Label21", k), QStringLiteral("Snaga (W):"), p.Text21, 1, w);
    addCell(grid, row, 1, indexed("Label22", k), QStringLiteral("Trans. osc. freq. (KHz):"), p.Text22, 1, w);
    addCell(grid, row, 2, indexed("Label23", k), QStringLiteral("Kategorija:"), p.Text4, 1, w);
    addCell(grid, row++, 3, indexed("Label24", k), QStringLiteral("Band:"), p.Text5, 1, w);
    addCell(grid, row, 0, indexed("Label25", k), QStringLiteral("RX:"), p.Text23, 2, w);
    addCell(grid, row++, 2, indexed("Label26", k), QStringLiteral("TX:"), p.Text24, 2, w);
    addCell(grid, row, 0, indexed("Label27", k), QStringLiteral("Antena:"), p.Text25, 1, w);
    addCell(grid, row, 1, indexed("Label28", k), QStringLiteral("Visina antene (m)"), p.Text26, 1, w);
    addCell(grid, row, 2, indexed("Label29", k), QStringLiteral("Nadmorska visina:"), p.Text27, 1, w);
    addCell(grid, row++, 3, indexed("Label30", k), QStringLiteral("Mod:"), p.Combo1, 1, w);
    addCell(grid, row, 0, indexed("Label31", k), QStringLiteral("Komentar:"), p.Text28, 4, w);
    grid->setRowStretch(row, 1);
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);
    auto *outer = new QVBoxLayout(w);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addLayout(grid);

    struct Binding
    {
        QLineEdit *edit;
        QString BandSettings::*field;
    };
    const Binding bindings[] = {
        {p.Text21, &BandSettings::snaga},        {p.Text22, &BandSettings::transOsc},
        {p.Text23, &BandSettings::rx},           {p.Text24, &BandSettings::tx},
        {p.Text25, &BandSettings::antena},       {p.Text26, &BandSettings::visinaAntene},
        {p.Text27, &BandSettings::nadmorska},    {p.Text4, &BandSettings::kategorija},
        {p.Text5, &BandSettings::band},
    };
    for (const Binding &b : bindings) {
        connect(b.edit, &QLineEdit::textChanged, this, [this, k, field = b.field](const QString &t) {
            if (!m_syncing) {
                settings().bands[k].*field = t;
                m_edited = true;
            }
        });
    }
    connect(p.Text28, &QPlainTextEdit::textChanged, this, [this, k] {
        if (!m_syncing) {
            settings().bands[k].komentar = m_panels[k].Text28->toPlainText();
            m_edited = true;
        }
    });
    connect(p.Combo1, &QComboBox::currentTextChanged, this, [this, k](const QString &t) {
        if (!m_syncing) {
            settings().bands[k].mode = t;
            m_edited = true;
        }
    });
    return p.Picture1;
}

void ContestDataDialog::buildTabOrder()
{
    // Contest name, the station, the responsible operator, then the two dates.
    QList<QWidget *> chain = {Text1,  Text6,  Text7,  Text8,  Text9,  Text10, Text11,    Text12,   Text13,
                              Text14, Text15, Text16, Text17, Text18, Text19, Text20, DTPicker2, DTPicker1,
                              TabStrip1};
    for (int k = 1; k <= BandLabels::Count; ++k) {
        const Panel &p = m_panels[k];
        chain << p.Text21 << p.Text22 << p.Text23 << p.Text24 << p.Text25 << p.Text26 << p.Text27 << p.Text28
              << p.Combo1 << p.Text4 << p.Text5;
    }
    chain << chameleonButton1 << chameleonButton2 << chameleonButton3;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void ContestDataDialog::fillFromSettings()
{
    const ContestSettings &s = settings();
    m_syncing = true;
    const std::pair<QLineEdit *, const QString *> general[] = {
        {Text1, &s.nazivNatjecanja}, {Text6, &s.pozivniZnak},     {Text7, &s.ime},       {Text8, &s.lokator},
        {Text9, &s.adresa},          {Text10, &s.klub},           {Text11, &s.operatori}, {Text12, &s.ime1},
        {Text13, &s.pozivniZnak1},   {Text14, &s.adresa1},        {Text15, &s.adresa2},
        {Text16, &s.postanskiBroj1}, {Text17, &s.mjesto1},        {Text18, &s.drzava1},
        {Text19, &s.telefBroj1},     {Text20, &s.homeBbs1},
    };
    for (const auto &[edit, value] : general)
        edit->setText(*value);
    for (auto [picker, value] : {std::pair{DTPicker1, &s.trajeOd}, std::pair{DTPicker2, &s.trajeDo}}) {
        const QDate d = LogFormats::parseDate(*value);
        picker->setDate(d.isValid() ? d : m_platform.clock.todayUtc());
    }
    for (int k = 1; k <= BandLabels::Count; ++k) {
        const Panel &p = m_panels[k];
        const BandSettings &b = s.bands.at(k);
        p.Text21->setText(b.snaga);
        p.Text22->setText(b.transOsc);
        p.Text23->setText(b.rx);
        p.Text24->setText(b.tx);
        p.Text25->setText(b.antena);
        p.Text26->setText(b.visinaAntene);
        p.Text27->setText(b.nadmorska);
        if (p.Text28->toPlainText() != b.komentar)
            p.Text28->setPlainText(b.komentar);
        p.Combo1->setEditText(b.mode);
        p.Text4->setText(b.kategorija);
        p.Text5->setText(b.band);
    }
    m_syncing = false;
    // The shown tab's band field holds its label, whatever the reloaded record held
    // for a band without a row, as the tab change set it.
    if (const int s = Text2.toInt(); s >= 1 && s <= BandLabels::Count)
        m_panels[s].Text5->setText(BandLabels::label(s));
    // The record may carry no date yet (a row stored without one): it holds what is shown.
    ContestSettings &w = settings();
    w.trajeOd = DTPicker1->date().toString(dateFormat);
    w.trajeDo = DTPicker2->date().toString(dateFormat);
}

void ContestDataDialog::onTabChanged(int index)
{
    const int s = index + 1;
    if (s < 1 || s > BandLabels::Count)
        return;
    Text2 = QString::number(s);
    m_panels[s].Text5->setText(BandLabels::label(s));
    applyButtonRule();
}

void ContestDataDialog::applyButtonRule()
{
    const int k = Text2.toInt();
    const bool empty = k < 1 || k > BandLabels::Count || m_panels[k].Text21->text().trimmed().isEmpty();
    chameleonButton1->setVisible(empty);
    chameleonButton2->setVisible(!empty);
}

void ContestDataDialog::keyRowByTabLabel(int k)
{
    // A row is found again by its band: whatever the record held, the row written is
    // the one of the tab's own band.
    if (k >= 1 && k <= BandLabels::Count) {
        settings().bands[k].band = BandLabels::label(k);
        m_panels[k].Text5->setText(BandLabels::label(k));
    }
}

void ContestDataDialog::focusMissing(const QString &column, int k)
{
    QWidget *field = column == QLatin1String("NazivNatjecanja") ? static_cast<QWidget *>(Text1)
                     : column == QLatin1String("PozivniZnak")   ? static_cast<QWidget *>(Text6)
                     : column == QLatin1String("Lokator")       ? static_cast<QWidget *>(Text8)
                     : (k >= 1 && k <= BandLabels::Count)       ? static_cast<QWidget *>(m_panels[k].Text21)
                                                                : nullptr;
    if (field)
        field->setFocus();
}

bool ContestDataDialog::SaveContestSettings()
{
    ContestSettings &s = settings();
    const int a = Text2.toInt();
    keyRowByTabLabel(a);
    if (const QString missing = missingRequiredField(s, a, false); !missing.isEmpty()) {
        m_platform.messages.show(MessageCatalogue::contestMissingData());
        focusMissing(missing, a);
        return false;
    }
    if (!storeBandRow(a, false, nullptr))
        return false;
    applyButtonRule();
    return true;
}

bool ContestDataDialog::UpdateContestSettings()
{
    ContestSettings &s = settings();
    const int a = Text2.toInt();
    keyRowByTabLabel(a);
    if (const QString missing = missingRequiredField(s, a, true); !missing.isEmpty()) {
        m_platform.messages.show(MessageCatalogue::contestMissingData());
        focusMissing(missing, a);
        return false;
    }
    bool found = false;
    if (!storeBandRow(a, true, &found))
        return false;
    // A band whose power was typed but never stored has no row to rewrite: add it,
    // rather than close the dialog on data that went nowhere.
    return found || SaveContestSettings();
}

void ContestDataDialog::onSpremi()
{
    if (SaveContestSettings()) {
        emit settingsStored();
        close();
    }
}

void ContestDataDialog::onIzmjeni()
{
    if (UpdateContestSettings()) {
        emit settingsStored();
        close();
    }
}

void ContestDataDialog::ClearContestDialog()
{
    if (ContestDataDialog *dialog = openDialog) {
        clearForNewContest(dialog->m_draft);
        dialog->m_edited = false;
        dialog->Text2.clear(); // no band selected until the tab change below
        dialog->fillFromSettings();
        if (dialog->TabStrip1->currentIndex() != 0)
            dialog->TabStrip1->setCurrentIndex(0); // runs the tab change
        else
            dialog->onTabChanged(0);
    }
}

void ContestDataDialog::closeEvent(QCloseEvent *event)
{
    if (openDialog == this)
        openDialog = nullptr;
    // What was typed and not stored goes with the dialog.
    m_draft = ContestSettings();
    event->accept();
}
