#pragma once
#include <QLineEdit>
#include <QWidget>

class ChameleonButton;
class Messages;

// Locator field of the calculator: selects square and sub-square (characters 3 to 6)
// when it gets the focus, so the operator types over them after the field letters;
// typed lower-case letters become capitals.
class LocatorField : public QLineEdit
{
    Q_OBJECT
public:
    LocatorField(const QString &objectName, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// Locator calculator "Lokator kalkulator": distance and bearing between two locators
// the operator types, with the log's own computation. Text3/Text5 the locators,
// Text6 the distance, Text1 the bearing, chameleonButton1 "Računaj",
// chameleonButton2 "Odustani"; captions Label1/Label2 "Lokator", Label3 "Km",
// Label4 "Smjer". Left and Right arrows move the focus back and forth.
class LocatorCalculator : public QWidget
{
    Q_OBJECT
public:
    explicit LocatorCalculator(Messages &messages, QWidget *owner = nullptr);

    // Menu "Lokator kalkulator": shows the window without blocking, creating it if needed.
    static LocatorCalculator *open(Messages &messages, QWidget *owner);

    // "Računaj".
    void Calculate();
    // "Okreni antenu" (chameleonButton3), shown only where a rotator is connected to the program.
    void setTurnAntennaAvailable(bool available);

signals:
    // "Okreni antenu": the bearing of a valid result, in degrees.
    void turnAntennaRequested(double bearing);

public:
    // Working fields: latitude and negated longitude (west positive) of the first
    // (Text7, Text2) and the second locator (Text4, Text8).
    double Text7 = 0;
    double Text2 = 0;
    double Text4 = 0;
    double Text8 = 0;

private:
    Messages &m_messages;
    LocatorField *m_text3 = nullptr;
    LocatorField *m_text5 = nullptr;
    QLineEdit *m_text6 = nullptr;
    QLineEdit *m_text1 = nullptr;
    ChameleonButton *m_turn = nullptr;
    bool m_valid = false;
    int m_bearing = 0;
};
