#pragma once
#include <QColor>
#include <QList>
#include <QWidget>

class QLabel;
class QRadioButton;

// A band-plan chart: a vertical frequency scale (lowest frequency at the bottom) with
// a coloured bar beside it for every mode segment and a legend of the colours.
class BandPlanChart : public QWidget
{
public:
    struct Segment
    {
        double fromMHz;
        double toMHz;
        QColor colour;
        QString mode;
    };

    BandPlanChart(const QString &objectName, double fromMHz, double toMHz, double labelStepMHz,
                  const QList<Segment> &segments, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {260, 460}; }
    QSize minimumSizeHint() const override { return {220, 380}; }

protected:
    void paintEvent(class QPaintEvent *event) override;

private:
    double m_from;
    double m_to;
    double m_step;
    QList<Segment> m_segments;
};

// Frequency lists "Liste frekvencija": the band plans of 144 MHz (Option1) and
// 432 MHz (Option2), one view at a time; the colour swatches Shape1..Shape3 stay.
// Headings Label1 (144) and Label8 (432), segment labels Label2..Label4 (144 MHz:
// FM, SSB, CW) and Label5..Label7 (432 MHz), charts Picture1 and Picture2.
class FrequencyListWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FrequencyListWindow(QWidget *owner = nullptr);

    // Menu "Liste frekvencija": shows the window without blocking, creating it if needed.
    static FrequencyListWindow *open(QWidget *owner);

private:
    void showView(bool band144);

    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QList<QWidget *> m_view144;
    QList<QWidget *> m_view432;
};
