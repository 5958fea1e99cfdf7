#pragma once
#include "contest/ContestSettings.h"

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
class ContestContext;
struct Platform;

// The contest data dialog: contest, station and per-band data. It edits a draft copy
// of the stored contest data; nothing typed here reaches a QSO, a macro or an export
// until "Spremi"/"Izmjeni" has stored it and the stored data were read again. Closing
// the dialog drops the draft.
class ContestDataDialog : public QWidget
{
    Q_OBJECT
public:
    ContestDataDialog(Platform &platform, ContestContext &context, QWidget *parent = nullptr);
    ~ContestDataDialog() override;

    // Shows the dialog, creating it when it is not open; an open one comes forward.
    static ContestDataDialog *showDialog(Platform &platform, ContestContext &context, QWidget *parent = nullptr);
    // The open dialog, or nullptr.
    static ContestDataDialog *openInstance();

    // For a new contest: an open dialog's draft is emptied and shows band 1 selected.
    // The stored data stay until the new contest exists.
    static void ClearContestDialog();

    // "Spremi": adds the row of the selected band. False when something required is
    // missing or the database refused the row; the dialog then stays as it is.
    bool SaveContestSettings();
    // "Izmjeni": rewrites the row of the selected band (adds it when the band has none).
    bool UpdateContestSettings();

    QString selectedBand() const { return Text2; }
    // What the dialog holds now: the stored data as edited so far.
    const ContestSettings &draft() const { return m_draft; }

signals:
    // A row was written and the stored data read again: the main window runs
    // LoadBandList and RefreshLogView now; the dialog closes right after.
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
    ContestSettings &settings() { return m_draft; }
    // Starts the draft afresh from the stored data.
    void takeStoredData();
    // Writes the draft's row of band `k` (a new one or over the stored one), then has
    // the stored data read again.
    bool storeBandRow(int k, bool update, bool *found);

    Platform &m_platform;
    ContestContext &m_context;
    ContestSettings m_draft;
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
    bool m_syncing = false; // filling the fields from the draft, not editing it
    bool m_edited = false;  // the operator changed the draft since it was taken
};
