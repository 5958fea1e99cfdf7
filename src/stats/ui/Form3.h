#pragma once
#include "stats/MapGeometry.h"
#include "stats/StatsFigures.h"
#include "stats/StatsPictureFiles.h"
#include "stats/WorkedSquares.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class ChameleonButton;
class Messages;
class DistanceChart;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QsoMapView;
class SquaresGrid;
class UsSatellitePlot;

// "Statistika": figures of the band shown in the main window and four views of its
// QSOs (distance chart, bearing plot, map, worked squares). The figures and the chart
// are taken when the window opens; the plot, the map and the squares read the log
// each time their view is chosen.
class ContestContext;

class Form3 : public QWidget
{
    Q_OBJECT
public:
    // What the window reads from the main window: the band selected now, and the totals
    // it displayed when the command was given.
    struct Source
    {
        std::function<QString()> band;
        StatsFigures::ShownTotals shown;
    };

    // The log, the own locator and the picture folder come from `context`; its messages
    // (a picture saved, the QSOs unreadable) go to `messages`.
    Form3(ContestContext &context, Source source, Messages &messages, QWidget *parent = nullptr);
    ~Form3() override;

    // Opens the window (or brings the open one forward; it keeps its snapshot).
    static Form3 *open(QWidget *owner, ContestContext &context, Source source, Messages &messages);

    void ShowDistanceStatistics();
    void PlotBearings();
    void DrawQsoMap();
    void ShowWorkedSquares();
    // "Spremi sliku": the view shown into log/<band file>-<view>.png. The path written,
    // or empty after the failure window.
    QString savePicture();

    StatsPictureFiles::Kind currentView() const;

    // Left column
    QLineEdit *Text1 = nullptr;  // QSO count
    QLineEdit *Text3 = nullptr;  // longest QSO
    QLineEdit *Text4 = nullptr;  // shortest QSO
    QLineEdit *Text5 = nullptr;  // points
    QLineEdit *Text12 = nullptr; // DXCC countries
    QLineEdit *Text11 = nullptr; // worked squares
    QLineEdit *Text7 = nullptr;  // latitude under the pointer
    QLineEdit *Text8 = nullptr;  // longitude under the pointer
    QLabel *Label5 = nullptr;    // bearing to the pointer
    QLabel *Label6 = nullptr;    // distance to the pointer
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    ChameleonButton *chameleonButton1 = nullptr; // Odustani
    ChameleonButton *chameleonButton2 = nullptr; // Spremi sliku

    // Views
    DistanceChart *MSChart1 = nullptr;
    UsSatellitePlot *usSatellitePlot1 = nullptr;
    QsoMapView *map = nullptr;
    SquaresGrid *grid = nullptr;

    // Own position for the map read-outs (ComputeOwnPosition): latitude and longitude.
    QString Text9;
    QString Text10;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void ComputeOwnPosition();
    void chooseView(int option);
    void showReadout(const MapGeometry::Readout &r, bool withPath);
    void reportReadFailure(const QString &error);

    ContestContext &m_context;
    Source m_source;
    Messages &m_messages;
    QStackedWidget *m_views = nullptr;
    QList<QWidget *> m_squaresOnly;
    QList<QWidget *> m_mapOnly;
    WorkedSquares::Result m_squares;
    // The key press last handled and its receiver: a key a control ignores travels on
    // to its parents as the same event, and must not move the map twice.
    const QEvent *m_lastKey = nullptr;
    QPointer<QWidget> m_lastKeyReceiver;
};
