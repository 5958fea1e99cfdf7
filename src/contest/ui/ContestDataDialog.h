#pragma once
#include <QString>
#include <QWidget>
#include <array>

class ChameleonButton;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
struct BandSettings;
struct ContestSettings;
struct Platform;

// The contest data dialog: contest, station and per-band data. What it shows is the
// in-memory contest record of ContestSettingsStore; every edit goes straight into
// that record, and closing the dialog discards it (the next reader loads the table).
class ContestDataDialog : public QWidget
{
    Q_OBJECT
public:
    explicit ContestDataDialog(Platform &platform, QWidget *parent = nullptr);
    ~ContestDataDialog() override;

    // Shows the dialog, creating it when it is not open; an open one comes forward.
    static ContestDataDialog *showDialog(Platform &platform, QWidget *parent = nullptr);
    // The open dialog, or nullptr.
    static ContestDataDialog *openInstance();

    // Empties the contest record for a new contest (creating it if needed); an open
    // dialog shows the emptied fields with band 1 selected.
    static void ClearContestDialog();

    // "Spremi": adds the row of the selected band. False when something required is
    // missing or the database refused the row; the dialog then stays as it is.
    bool SaveContestSettings();
    // "Izmjeni": rewrites the row of the selected band (adds it when the band has none).
    bool UpdateContestSettings();

    QString selectedBand() const { return Text2; }

signals:
    // A row was written: the main window runs LoadBandList and RefreshLogView now,
    // while the record still holds the band list; the dialog closes right after.
    void settingsStored();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Panel
    {
        QFrame *Picture1 = nullptr;
        QLineEdit *Text21 = nullptr, *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr;
        QLineEdit *Text25 = nullptr, *Text26 = nullptr, *Text27 = nullptr;
        QPlainTextEdit *Text28 = nullptr;
        QComboBox *Combo1 = nullptr;
        QLineEdit *Text4 = nullptr, *Text5 = nullptr;
    };

    QWidget *buildGeneralFields();
    QFrame *buildPanel(int k);
    void buildTabOrder();
    void fillFromSettings();
    void onTabChanged(int index);
    void applyButtonRule();
    void keyRowByTabLabel(int k);
    void focusMissing(const QString &column, int k);
    void onSpremi();
    void onIzmjeni();
    ContestSettings &settings() const;

    Platform &m_platform;
    QLineEdit *Text1 = nullptr;
    QDateEdit *DTPicker1 = nullptr, *DTPicker2 = nullptr;
    QLineEdit *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr, *Text10 = nullptr,
              *Text11 = nullptr, *Text12 = nullptr, *Text13 = nullptr, *Text14 = nullptr, *Text15 = nullptr,
              *Text16 = nullptr, *Text17 = nullptr, *Text18 = nullptr, *Text19 = nullptr, *Text20 = nullptr;
    QTabWidget *TabStrip1 = nullptr;
    std::array<Panel, 16> m_panels; // 1..15
    ChameleonButton *chameleonButton1 = nullptr; // Spremi
    ChameleonButton *chameleonButton2 = nullptr; // Izmjeni
    ChameleonButton *chameleonButton3 = nullptr; // Odustani

    QString Text2;          // the selected band number, "1" to "15"
    bool m_syncing = false; // filling the fields from the record, not editing it
};
