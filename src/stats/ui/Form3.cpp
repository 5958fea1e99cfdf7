#include "stats/ui/Form3.h"

#include "contest/ContestContext.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "controls/MessageCatalogue.h"
#include "stats/StatsLog.h"
#include "stats/ui/DistanceChart.h"
#include "stats/MapOutline.h"
#include "stats/ui/MapPicture.h"
#include "stats/ui/QsoMapView.h"
#include "stats/ui/SquaresGrid.h"
#include "stats/ui/StatsPictures.h"
#include "stats/ui/UsSatellitePlot.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *valueField(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setMaximumWidth(110);
    return e;
}

QLabel *caption(const char *name, const char *text, QWidget *parent)
{
    auto *l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

}

Form3::Form3(ContestContext &context, Source source, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_source(std::move(source)), m_messages(messages)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Statistika"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();

    // Load, in the designed order.
    ApplySelectedLanguage(this);
    QString error;
    Text12->setText(StatsFigures::countries(m_context.database(), m_source.band(), &error));
    if (!error.isEmpty())
        reportReadFailure(error);
    ComputeOwnPosition();
    Option1->setChecked(true);
    chooseView(1);
    ShowDistanceStatistics();
    // The window sees every key before its controls (the arrows move the map).
    qApp->installEventFilter(this);
}

Form3::~Form3()
{
    qApp->removeEventFilter(this);
}

Form3 *Form3::open(QWidget *owner, ContestContext &context, Source source, Messages &messages)
{
    static QPointer<Form3> window;
    return showSingleWindow(window, [&] {
        auto *w = new Form3(context, std::move(source), messages, owner);
        if (owner)
            w->move(owner->frameGeometry().center() - w->rect().center());
        return w;
    });
}

void Form3::build()
{
    auto *left = new QWidget(this);
    auto *figures = new QGridLayout;
    figures->setHorizontalSpacing(8);
    figures->setVerticalSpacing(4);
    int row = 0;
    auto addFigure = [&](QLabel *label, QWidget *value) {
        figures->addWidget(label, row, 0);
        figures->addWidget(value, row, 1);
        ++row;
    };
    Text1 = valueField("Text1", left);
    Text3 = valueField("Text3", left);
    Text4 = valueField("Text4", left);
    Text5 = valueField("Text5", left);
    Text12 = valueField("Text12", left);
    Text11 = valueField("Text11", left);
    addFigure(caption("Label1", "Broj veza:", left), Text1);
    addFigure(caption("Label2", "Najduža veza:", left), Text3);
    addFigure(caption("Label3", "Najkraća veza:", left), Text4);
    addFigure(caption("Label4", "Ukupno bodova:", left), Text5);
    addFigure(caption("Label7", "DXCC zemlje:", left), Text12);
    QLabel *label8 = caption("Label8", "Rađenih polja:", left);
    addFigure(label8, Text11);
    m_squaresOnly = {label8, Text11};

    // Map read-outs
    Text7 = valueField("Text7", left);
    Text8 = valueField("Text8", left);
    Label5 = new QLabel(left);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6 = new QLabel(left);
    Label6->setObjectName(QStringLiteral("Label6"));
    for (QLabel *l : {Label5, Label6}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: #006400;"));
    }
    QLabel *label9 = caption("Label9", "N/S", left);
    QLabel *label10 = caption("Label10", "E/W", left);
    QLabel *label11 = caption("Label11", "Bearing", left);
    QLabel *label12 = caption("Label12", "Km", left);
    addFigure(label9, Text7);
    addFigure(label10, Text8);
    addFigure(label11, Label5);
    addFigure(label12, Label6);
    m_mapOnly = {label9, label10, label11, label12, Text7, Text8, Label5, Label6};

    auto *options = new QFrame(left);
    options->setObjectName(QStringLiteral("Frame1"));
    options->setFrameShape(QFrame::StyledPanel);
    auto *optionsLayout = new QVBoxLayout(options);
    auto *group = new QButtonGroup(this);
    const std::pair<QRadioButton **, const char *> opts[] = {{&Option1, "Daljina u km"},
                                                             {&Option2, "Smjer održanih veza"},
                                                             {&Option3, "Mapa održanih veza"},
                                                             {&Option4, "Rađena polja"}};
    int id = 1;
    for (const auto &[member, text] : opts) {
        auto *b = new QRadioButton(QString::fromUtf8(text), options);
        b->setObjectName(QStringLiteral("Option%1").arg(id));
        group->addButton(b, id++);
        optionsLayout->addWidget(b);
        *member = b;
    }
    connect(group, &QButtonGroup::idClicked, this, &Form3::chooseView);

    chameleonButton2 = new ChameleonButton(QStringLiteral("chameleonButton2"), QStringLiteral("Spremi sliku"), left);
    chameleonButton1 = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("Odustani"), left);
    connect(chameleonButton2, &QPushButton::clicked, this, &Form3::savePicture);
    connect(chameleonButton1, &QPushButton::clicked, this, &QWidget::close);

    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(figures);
    leftLayout->addSpacing(8);
    leftLayout->addWidget(options);
    leftLayout->addStretch(1);
    leftLayout->addWidget(chameleonButton2);
    leftLayout->addWidget(chameleonButton1);
    left->setFixedWidth(250);

    m_views = new QStackedWidget(this);
    MSChart1 = new DistanceChart(m_views);
    usSatellitePlot1 = new UsSatellitePlot(m_views);
    map = new QsoMapView(MapOutline::defaultPath(m_context.folder()), m_views);
    grid = new SquaresGrid(m_views);
    for (QWidget *v : {static_cast<QWidget *>(MSChart1), static_cast<QWidget *>(usSatellitePlot1),
                       static_cast<QWidget *>(map), static_cast<QWidget *>(grid)})
        m_views->addWidget(v);
    connect(map, &QsoMapView::pointerPressed, this, [this](const MapGeometry::Readout &r) { showReadout(r, false); });
    connect(map, &QsoMapView::pointerReleased, this, [this](const MapGeometry::Readout &r) { showReadout(r, true); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(left);
    layout->addWidget(m_views, 1);
    resize(1000, 600);
}

void Form3::ComputeOwnPosition()
{
    const MapGeometry::OwnPosition own = MapGeometry::ownPosition(m_context.contestData().settings().lokator.trimmed());
    Text9 = own.latitude;
    Text10 = own.longitude;
    map->setOwnPosition(own);
}

void Form3::ShowDistanceStatistics()
{
    const StatsFigures::Figures f = StatsFigures::read(m_context.database(), m_source.band(), m_source.shown);
    Text1->setText(f.qsoCount);
    Text3->setText(f.longest);
    Text4->setText(f.shortest);
    Text5->setText(f.points);
    QVector<StatsLog::DistanceRow> rows;
    QString error = f.error;
    if (!StatsLog::distances(m_context.database(), m_source.band(), rows, &error) || !f.error.isEmpty())
        reportReadFailure(error);
    MSChart1->setRows(std::move(rows));
}

void Form3::PlotBearings()
{
    QVector<float> bearings;
    QString error;
    if (!StatsLog::bearings(m_context.database(), m_source.band(), bearings, &error))
        reportReadFailure(error);
    usSatellitePlot1->Reset();
    for (float b : std::as_const(bearings))
        usSatellitePlot1->PlotSatellite(b, 1);
}

void Form3::DrawQsoMap()
{
    QVector<StatsLog::PositionText> positions;
    QString error;
    if (!StatsLog::positions(m_context.database(), m_source.band(), positions, &error))
        reportReadFailure(error);
    map->setDots(StatsPictures::mapDots(positions));
}

void Form3::ShowWorkedSquares()
{
    QStringList locators;
    QString error;
    if (!StatsLog::locators(m_context.database(), m_source.band(), locators, &error))
        reportReadFailure(error);
    // Counted afresh from the whole log every time, so the number never goes stale.
    m_squares = WorkedSquares::count(locators);
    grid->showWorked(m_squares);
    // The arrows then walk the grid instead of switching the view.
    grid->setFocus();
    if (!locators.isEmpty())
        Text11->setText(QString::number(m_squares.count()));
}

void Form3::chooseView(int option)
{
    m_views->setCurrentIndex(option - 1);
    for (QWidget *w : std::as_const(m_mapOnly))
        w->setVisible(option == 3);
    for (QWidget *w : std::as_const(m_squaresOnly))
        w->setVisible(option == 4);
    switch (option) {
    case 2:
        PlotBearings();
        break;
    case 3:
        DrawQsoMap();
        break;
    case 4:
        ShowWorkedSquares();
        break;
    default:
        break;
    }
}

StatsPictureFiles::Kind Form3::currentView() const
{
    using Kind = StatsPictureFiles::Kind;
    static const Kind kinds[] = {Kind::Distances, Kind::Bearings, Kind::Map, Kind::Squares};
    return kinds[std::clamp(m_views->currentIndex(), 0, 3)];
}

QString Form3::savePicture()
{
    using Kind = StatsPictureFiles::Kind;
    const Kind kind = currentView();
    QImage image;
    switch (kind) {
    case Kind::Distances:
        image = DistanceChart::picture(MSChart1->rows());
        break;
    case Kind::Bearings:
        image = StatsPictures::bearingsPicture(usSatellitePlot1->points());
        break;
    case Kind::Map:
        image = MapPicture::withDots(MapOutline::defaultPath(m_context.folder()), map->dots());
        break;
    case Kind::Squares:
        image = SquaresGrid::picture(m_squares);
        break;
    }
    const StatsPictures::Saved s = StatsPictures::save(image, kind, m_context.contestData().settings(),
                                                       m_source.band(), m_context.folder().path());
    m_messages.show(s.ok ? MessageCatalogue::pictureSaved(s.path) : MessageCatalogue::pictureNotSaved(s.error));
    return s.ok ? s.path : QString();
}

void Form3::showReadout(const MapGeometry::Readout &r, bool withPath)
{
    Text7->setText(r.latitude);
    Text8->setText(r.longitude);
    if (withPath) {
        Label5->setText(r.bearing);
        Label6->setText(r.distance);
    }
}

void Form3::reportReadFailure(const QString &error)
{
    m_messages.show(MessageCatalogue::qsosCannotBeRead(error));
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *receiver = static_cast<QWidget *>(watched);
        const bool travelling = event == m_lastKey && m_lastKeyReceiver && receiver != m_lastKeyReceiver
                                && receiver->isAncestorOf(m_lastKeyReceiver);
        if (receiver->window() == this && !travelling) {
            m_lastKey = event;
            m_lastKeyReceiver = receiver;
            // The arrows move the map in every view; in the map view they do nothing else.
            if (map->moveByKey(static_cast<QKeyEvent *>(event)->key()) && m_views->currentWidget() == map)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
