// The radio and the rotator through Hamlib's daemons: band and mode follow the radio,
// Ctrl+R turns the antenna, and the window keeps working when a daemon goes away.
// The protocol tests run Hamlib's own dummy radio and rotator.
#include "HamlibDummy.h"
#include "MainWindowFixture.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryLine.h"
#include "contestlog/ui/LogEntry.h"
#include "geo/Locator.h"
#include "geo/ui/LocatorCalculator.h"
#include "platform/ProgramSettings.h"
#include "shell/ui/Form1.h"
#include "controls/ui/MessageWindow.h"
#include "station/HamlibClient.h"
#include "station/HamlibDaemon.h"
#include "station/HamlibLink.h"
#include "station/RadioBands.h"
#include "station/StationControl.h"
#include "station/ui/FormRadio.h"
#include "station/ui/StationPanel.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

bool hamlibInstalled()
{
    return HamlibDummy::installed(QStringLiteral("rigctld")) && HamlibDummy::installed(QStringLiteral("rotctld"));
}

#define REQUIRE_HAMLIB()                                                                                               \
    if (!hamlibInstalled())                                                                                            \
        QSKIP("rigctld/rotctld not installed (Debian package libhamlib-utils)");

HamlibDeviceSettings external(quint16 port)
{
    HamlibDeviceSettings s;
    s.enabled = true;
    s.host = QStringLiteral("127.0.0.1");
    s.port = port;
    return s;
}

// Stored bands "432 MHz" and "10 GHz" (transverter 10224 MHz, mode FM), radio and
// rotator through running dummies.
struct StationWindow
{
    HamlibDummy rig{QStringLiteral("rigctld")};
    HamlibDummy rot{QStringLiteral("rotctld")};
    std::unique_ptr<MainWindowFixture> fixture;

    bool start()
    {
        if (!rig.start() || !rot.start())
            return false;
        ContestSettings settings = TestSupport::sampleSettings();
        settings.bands[9].transOsc = QStringLiteral("10224000");
        settings.bands[9].mode = QStringLiteral("FM");
        fixture = std::make_unique<MainWindowFixture>(QList<int>{4, 9}, settings, [this](TempProgramFolder &folder) {
            StationSettings s{external(rig.port()), external(rot.port())};
            s.save(folder.file(QStringLiteral("brelog.ini")));
        });
        return true;
    }
    Form1 &window() { return fixture->window(); }
    EntryLine &entry() { return fixture->window().entry(); }
    StationControl &station() { return fixture->window().station(); }
    // Read back with the rotator's own "p" command.
    double rotatorAzimuth() const { return rot.value(QStringLiteral("p"), QStringLiteral("Azimuth")).toDouble(); }
};

// A daemon of the test's own: answers get_freq/get_mode with `code` (0: a radio on
// 432.1 MHz USB), or stays silent.
class FakeRigDaemon : public QObject
{
public:
    int code = -5;
    bool silent = false;

    FakeRigDaemon()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                QObject::connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    void answer(QTcpSocket *s)
    {
        while (s->canReadLine()) {
            const QByteArray command = s->readLine().trimmed().mid(2); // the extended-form prefix dropped
            if (silent)
                continue;
            QByteArray reply = command + ":\n";
            if (code == 0 && command == "get_freq")
                reply += "Frequency: 432100000\n";
            if (code == 0 && command == "get_mode")
                reply += "Mode: USB\nPassband: 2400\n";
            s->write(reply + "RPRT " + QByteArray::number(code) + "\n");
        }
    }
    QTcpServer m_server;
};

}

class TestStation : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MainWindowFixture::closeMessageWindows(); }

    void bandFollowsFrequencyAndTransverter_data();
    void bandFollowsFrequencyAndTransverter();
    void modeMapsToLogMode_data();
    void modeMapsToLogMode();
    void replyParsing_data();
    void replyParsing();
    void settingsLiveInBrelogIni();
    void withoutSettingsNothingIsPolledOrShown();

    void radioLinkReadsDummyRadio();
    void radioThatDoesNotAnswerIsShownAsAway();
    void daemonStartedByBrelogAndItsFailureReported();
    void bandAndModeFollowTheRadio();
    void nothingChangesWhileAQsoIsTypedOrEdited();
    void ctrlRTurnsRotatorToEntryBearing();
    void locatorCalculatorTurnsTheAntenna();
    void lampsGoOffAndWindowStaysResponsiveWhenDaemonsStop();
    void settingsWindowWritesIniAndReconnects();
};

// --- band matching and mode mapping --------------------------------------------

void TestStation::bandFollowsFrequencyAndTransverter_data()
{
    QTest::addColumn<qint64>("radioHz");
    QTest::addColumn<QStringList>("stored"); // "label=transverter kHz"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    const QStringList uhfAndTen{"432 MHz=0", "10 GHz=10224000"};
    QTest::newRow("144.100 with a 10 GHz transverter gives 10 GHz") << qint64(144100000) << uhfAndTen << "432 MHz" << "10 GHz";
    QTest::newRow("432.200 gives 432 MHz") << qint64(432200000) << uhfAndTen << "10 GHz" << "432 MHz";
    QTest::newRow("no stored band holds the frequency") << qint64(1296200000) << uhfAndTen << "432 MHz" << "";
    QTest::newRow("band without a stored row") << qint64(432200000) << QStringList{"144 MHz=0"} << "144 MHz" << "";
    QTest::newRow("lower segment edge is inside") << qint64(144000000) << QStringList{"144 MHz=0"} << "" << "144 MHz";
    QTest::newRow("upper segment edge is inside") << qint64(146000000) << QStringList{"144 MHz=0"} << "" << "144 MHz";
    QTest::newRow("one hertz above the segment is outside") << qint64(146000001) << QStringList{"144 MHz=0"} << "" << "";
    QTest::newRow("70 MHz segment ends at 70.5") << qint64(70600000) << QStringList{"70 MHz=0"} << "" << "";
    const QStringList twoOnOneIf{"2,3 GHz=2176000", "1,3 GHz=1152000"};
    QTest::newRow("two transverters on one IF keep the shown band") << qint64(144200000) << twoOnOneIf << "2,3 GHz"
                                                                    << "2,3 GHz";
    QTest::newRow("two transverters on one IF, other band shown: first in band order")
        << qint64(144200000) << (twoOnOneIf + QStringList{"144 MHz=0"}) << "144 MHz" << "144 MHz";
    QTest::newRow("two transverters on one IF, unmatched band shown: first in band order")
        << qint64(144200000) << (twoOnOneIf + QStringList{"432 MHz=0"}) << "432 MHz" << "1,3 GHz";
    QTest::newRow("transverter text with blanks") << qint64(144100000) << QStringList{"10 GHz= 10224000 "} << ""
                                                  << "10 GHz";
    QTest::newRow("transverter with a fraction of a kHz") << qint64(143999500) << QStringList{"24 GHz=23856000.5"} << ""
                                                          << "24 GHz";
    QTest::newRow("unreadable transverter counts as none") << qint64(10368100000) << QStringList{"10 GHz=abc"} << ""
                                                           << "10 GHz";
    QTest::newRow("empty transverter counts as none") << qint64(50100000) << QStringList{"50 MHz="} << "" << "50 MHz";
    QTest::newRow("248 GHz from a 24 GHz IF") << qint64(24048000000) << QStringList{"248 GHz=224000000"} << ""
                                              << "248 GHz";
    QTest::newRow("a label that is no band is skipped") << qint64(144100000) << QStringList{"2m=0", "144 MHz=0"} << ""
                                                         << "144 MHz";
    QTest::newRow("no frequency read gives no band") << qint64(0) << QStringList{"144 MHz=-144000"} << "" << "";
}

void TestStation::bandFollowsFrequencyAndTransverter()
{
    QFETCH(qint64, radioHz);
    QFETCH(QStringList, stored);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QList<RadioBands::StoredBand> bands;
    for (const QString &s : stored)
        bands.append({s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1)});
    QCOMPARE(RadioBands::bandFor(radioHz, bands, shown), expected);
}

void TestStation::modeMapsToLogMode_data()
{
    QTest::addColumn<QString>("hamlib");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CW gives CW") << "CW" << "CW";
    QTest::newRow("CWR gives CW") << "CWR" << "CW";
    QTest::newRow("USB gives SSB") << "USB" << "SSB";
    QTest::newRow("LSB gives SSB") << "LSB" << "SSB";
    QTest::newRow("FM gives FM") << "FM" << "FM";
    QTest::newRow("FMN gives FM") << "FMN" << "FM";
    QTest::newRow("AM gives AM") << "AM" << "AM";
    QTest::newRow("WFM leaves the mode") << "WFM" << "";
    QTest::newRow("PKTUSB leaves the mode") << "PKTUSB" << "";
    QTest::newRow("RTTY leaves the mode") << "RTTY" << "";
    QTest::newRow("nothing read leaves the mode") << "" << "";
}

void TestStation::modeMapsToLogMode()
{
    QFETCH(QString, hamlib);
    QFETCH(QString, expected);
    QCOMPARE(RadioBands::logMode(hamlib), expected);
}

void TestStation::replyParsing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("frequency") << QStringList{"get_freq:", "Frequency: 144100000", "RPRT 0"} << 0 << "Frequency"
                               << "144100000";
    QTest::newRow("mode with passband") << QStringList{"get_mode:", "Mode: CWR", "Passband: 500", "RPRT 0"} << 0
                                        << "Mode" << "CWR";
    QTest::newRow("position") << QStringList{"get_pos:", "Azimuth: 123.50", "Elevation: 0.00", "RPRT 0"} << 0
                              << "Elevation" << "0.00";
    QTest::newRow("echo of a set command is no value") << QStringList{"set_pos: 10 0", "RPRT 0"} << 0 << "set_pos"
                                                       << "";
    QTest::newRow("Hamlib error") << QStringList{"get_freq:", "RPRT -5"} << -5 << "Frequency" << "";
    QTest::newRow("refused without echo") << QStringList{"RPRT -1"} << -1 << "Frequency" << "";
}

void TestStation::replyParsing()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const HamlibReply r = HamlibClient::parse(lines);
    QCOMPARE(r.code, code);
    QCOMPARE(r.value(key), value);
}

// --- settings -------------------------------------------------------------------------

void TestStation::settingsLiveInBrelogIni()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("brelog.ini"));
    ProgramSettings settings(ini);
    QCOMPARE(settings.read<StationSettings>(), StationSettings{}); // no file: both off

    StationSettings s;
    s.rig = {true, QString(), 0, QStringLiteral("3073"), QStringLiteral("/dev/ttyUSB0"), 19200};
    s.rotator = {true, QStringLiteral("shack-pi"), 4599, QString(), QString(), 0};
    QSignalSpy changed(&settings, &ProgramSettings::changed);
    QVERIFY(settings.write(s));
    QCOMPARE(changed.size(), 1); // the windows that show a setting hear of it
    QCOMPARE(settings.read<StationSettings>(), s);

    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    for (const char *expected : {"[rig]", "[rotator]", "enabled=true", "model=3073", "device=/dev/ttyUSB0",
                                 "speed=19200", "host=shack-pi", "port=4599"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);

    // A file written by hand with the radio switched off.
    f.close();
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[rig]\nenabled=false\nhost=localhost\nport=4532\n");
    f.close();
    const StationSettings off = settings.read<StationSettings>();
    QVERIFY(!off.rig.enabled);
    QCOMPARE(off.rig.host, QStringLiteral("localhost"));
    QVERIFY(!off.rotator.enabled);
}

void TestStation::withoutSettingsNothingIsPolledOrShown()
{
    MainWindowFixture f;
    StationControl &station = f.window().station();
    QVERIFY(!station.radio().isEnabled());
    QVERIFY(!station.rotator().isEnabled());
    QVERIFY(!station.radio().daemon());
    QCOMPARE(station.radio().client().pending(), 0);
    QVERIFY(!f.window().findChild<StationPanel *>()->isVisible());
    QVERIFY(!f.window().findChild<QWidget *>(QStringLiteral("chameleonButton30"))->isVisible());
    const QString band = f.window().entry().Combo2->currentText();
    QTest::qWait(600);
    QCOMPARE(f.window().entry().Combo2->currentText(), band);
    // Ctrl+R without a rotator says so and turns nothing.
    f.window().entry().Text8->setText(QStringLiteral("JN86CD"));
    QTest::keyClick(f.window().entry().Text2, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(MessageWindow::find(QStringLiteral("Form53")));
}

// --- the real daemons ------------------------------------------------------------------

void TestStation::radioLinkReadsDummyRadio()
{
    REQUIRE_HAMLIB();
    HamlibDummy rig(QStringLiteral("rigctld"));
    QVERIFY(rig.start());
    RadioLink radio;
    QSignalSpy reads(&radio, &RadioLink::radioRead);
    radio.configure(external(rig.port()));
    QTRY_VERIFY2_WITH_TIMEOUT(radio.isConnected(), qPrintable(radio.reason()), 6000);
    QVERIFY(radio.reason().isEmpty());
    QCOMPARE(rig.command(QStringLiteral("set_freq 432200000")).last(), QStringLiteral("RPRT 0"));
    QCOMPARE(rig.command(QStringLiteral("set_mode CWR 500")).last(), QStringLiteral("RPRT 0"));
    QTRY_COMPARE_WITH_TIMEOUT(radio.frequency(), qint64(432200000), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(radio.mode(), QStringLiteral("CWR"), 3000);
    QVERIFY(!reads.isEmpty());
}

void TestStation::radioThatDoesNotAnswerIsShownAsAway()
{
    // rigctld is there, the radio behind it is switched off: Hamlib's own error shows.
    FakeRigDaemon daemon;
    RadioLink radio;
    QSignalSpy reads(&radio, &RadioLink::radioRead);
    radio.configure(external(daemon.port()));
    QTRY_COMPARE_WITH_TIMEOUT(radio.reason(), QStringLiteral("rigctld does not answer: communication timed out"), 3000);
    QVERIFY(!radio.isConnected());
    QVERIFY(reads.isEmpty());
    // The radio is switched on: the next poll finds it.
    daemon.code = 0;
    QTRY_VERIFY_WITH_TIMEOUT(radio.isConnected(), 6000);
    QCOMPARE(radio.frequency(), qint64(432100000));
    QCOMPARE(radio.mode(), QStringLiteral("USB"));
    // A daemon that stops answering is dropped after the reply timeout, not waited for.
    daemon.silent = true;
    QTRY_VERIFY_WITH_TIMEOUT(!radio.isConnected(), 4000);
    QVERIFY2(radio.reason().startsWith(QLatin1String("no answer from 127.0.0.1")), qPrintable(radio.reason()));
}

void TestStation::daemonStartedByBrelogAndItsFailureReported()
{
    REQUIRE_HAMLIB();
    // A model and no host: Brelog runs rigctld itself on a free local port.
    HamlibDeviceSettings own;
    own.enabled = true;
    own.model = QStringLiteral("1");
    RadioLink radio;
    QSignalSpy failures(&radio, &HamlibLink::daemonFailed);
    radio.configure(own);
    QVERIFY(radio.daemon());
    QTRY_VERIFY_WITH_TIMEOUT(radio.isConnected(), 5000);
    QCOMPARE(radio.client().host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(radio.client().port(), radio.daemon()->port());
    QTRY_COMPARE_WITH_TIMEOUT(radio.frequency(), qint64(145000000), 3000); // the dummy's own frequency
    QVERIFY(failures.isEmpty());

    // An unknown model: the daemon ends at once and its own words reach the operator.
    own.model = QStringLiteral("99999");
    radio.configure(own);
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 5000);
    QVERIFY2(failures.first().first().toString().contains(QLatin1String("Unknown rig num")),
             qPrintable(failures.first().first().toString()));
    QVERIFY(!radio.isConnected());
    QCOMPARE(radio.reason(), failures.first().first().toString());

    // No model at all is said as such; nothing is started.
    own.model.clear();
    radio.configure(own);
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 2, 3000);
    QCOMPARE(failures.last().first().toString(), QStringLiteral("no Hamlib model chosen for rigctld"));
    QVERIFY(!radio.daemon()->isRunning());
    own.model = QStringLiteral("99999");

    // The main window shows it in its message window.
    MainWindowFixture f({4}, TestSupport::sampleSettings(), [&](TempProgramFolder &folder) {
        StationSettings s;
        s.rig = own;
        s.save(folder.file(QStringLiteral("brelog.ini")));
    });
    QTRY_VERIFY_WITH_TIMEOUT(MessageWindow::find(QStringLiteral("Form51")), 5000);
    QVERIFY(MessageWindow::find(QStringLiteral("Form51"))->text().contains(QLatin1String("Unknown rig num")));
    auto *lamp = f.window().findChild<StationLamp *>(QStringLiteral("RadioLamp"));
    QVERIFY(!lamp->isOn());
    QVERIFY(lamp->toolTip().contains(QLatin1String("Unknown rig num")));
}

void TestStation::bandAndModeFollowTheRadio()
{
    REQUIRE_HAMLIB();
    StationWindow w;
    QVERIFY(w.start());
    EntryLine &e = w.entry();
    QCOMPARE(e.Combo2->currentText(), QStringLiteral("432 MHz"));
    QTRY_VERIFY_WITH_TIMEOUT(w.station().radio().isConnected(), 6000);

    w.rig.command(QStringLiteral("set_mode USB 2400"));
    w.rig.command(QStringLiteral("set_freq 144100000"));
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo2->currentText(), QStringLiteral("10 GHz"), 3000);
    // The band's stored mode (FM) gives way to the radio's.
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo1->currentText(), QStringLiteral("SSB"), 3000);
    QCOMPARE(e.Text3->text(), QStringLiteral("59"));
    auto *frequency = w.window().findChild<QLineEdit *>(QStringLiteral("RadioFrequency"));
    QTRY_COMPARE_WITH_TIMEOUT(frequency->text(), QStringLiteral("144.100.000"), 3000);
    QVERIFY(w.window().findChild<StationLamp *>(QStringLiteral("RadioLamp"))->isOn());

    w.rig.command(QStringLiteral("set_freq 432200000"));
    w.rig.command(QStringLiteral("set_mode CW 500"));
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo2->currentText(), QStringLiteral("432 MHz"), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo1->currentText(), QStringLiteral("CW"), 3000);
    QCOMPARE(e.Text3->text(), QStringLiteral("599"));
    QCOMPARE(e.Text6->text(), QStringLiteral("599"));

    // A mode without a log mode leaves the field as it is; the operator's own choice stands
    // until the radio changes again.
    e.Combo1->setCurrentText(QStringLiteral("RTTY"));
    w.rig.command(QStringLiteral("set_mode PKTUSB 2400"));
    QTest::qWait(1200);
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("RTTY"));
    w.rig.command(QStringLiteral("set_mode FM 15000"));
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo1->currentText(), QStringLiteral("FM"), 3000);
    QCOMPARE(e.Text3->text(), QStringLiteral("59"));
}

void TestStation::nothingChangesWhileAQsoIsTypedOrEdited()
{
    REQUIRE_HAMLIB();
    StationWindow w;
    QVERIFY(w.start());
    EntryLine &e = w.entry();
    QTRY_VERIFY_WITH_TIMEOUT(w.station().radio().isConnected(), 6000);
    // The dummy's own 145 MHz is 10 GHz through the transverter.
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo2->currentText(), QStringLiteral("10 GHz"), 3000);
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));

    // A call typed: the radio moves to 10 GHz, the entry stays on its band and mode.
    e.Text2->setFocus();
    QTest::keyClicks(e.Text2, QStringLiteral("9A2AA"));
    w.rig.command(QStringLiteral("set_freq 144100000"));
    w.rig.command(QStringLiteral("set_mode CW 500"));
    QTest::qWait(1500);
    QCOMPARE(e.Combo2->currentText(), QStringLiteral("432 MHz"));
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("SSB"));
    QCOMPARE(e.Text2->text(), QStringLiteral("9A2AA"));
    // Once the QSO is logged the band catches up.
    QTest::keyClick(e.Text2, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QString());
    e.Text7->setText(QStringLiteral("1"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(w.fixture->storedCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(e.Combo2->currentText(), QStringLiteral("10 GHz"), 3000);
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("CW"));

    // A logged QSO loaded for editing: the band stays while it is edited.
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    w.fixture->window().logEntry().onGridRowPicked(0);
    QCOMPARE(w.fixture->window().entrySession().mode(), EntrySession::Mode::Edit);
    w.rig.command(QStringLiteral("set_freq 144200000"));
    QTest::qWait(1200);
    QCOMPARE(e.Combo2->currentText(), QStringLiteral("432 MHz"));
    QCOMPARE(w.fixture->window().entrySession().mode(), EntrySession::Mode::Edit);
}

void TestStation::ctrlRTurnsRotatorToEntryBearing()
{
    REQUIRE_HAMLIB();
    StationWindow w;
    QVERIFY(w.start());
    EntryLine &e = w.entry();
    QTRY_VERIFY_WITH_TIMEOUT(w.station().rotator().isConnected(), 6000);
    QVERIFY(w.window().findChild<QWidget *>(QStringLiteral("chameleonButton30"))->isVisible());

    // An invalid locator: the usual message and no turn.
    e.Text8->setText(QStringLiteral("JN8"));
    QTest::keyClick(e.Text2, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(MessageWindow::find(QStringLiteral("Form17")));
    QTest::qWait(300);
    QCOMPARE(w.rotatorAzimuth(), 0.0);
    MainWindowFixture::closeMessageWindows();
    QApplication::setActiveWindow(&w.window()); // the message window had taken it

    // JN85AB to JN86CD: 6 degrees (the dummy turns about 6 degrees a second).
    e.Text8->setText(QStringLiteral("JN86CD"));
    QTest::keyClick(e.Text2, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!MessageWindow::find(QStringLiteral("Form17")));
    QTRY_COMPARE_WITH_TIMEOUT(w.rotatorAzimuth(), 6.0, 5000);
    auto *azimuth = w.window().findChild<QLineEdit *>(QStringLiteral("RotatorAzimuth"));
    QTRY_COMPARE_WITH_TIMEOUT(azimuth->text(), QStringLiteral("6°"), 3000);

    // The button beside the bearing does the same; a square alone is completed as for the QRB.
    e.Text8->setText(QStringLiteral("JN86"));
    const int bearing = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN86LL")).bearing;
    QCOMPARE(bearing, 24);
    QTest::mouseClick(w.window().findChild<QWidget *>(QStringLiteral("chameleonButton30")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(w.rotatorAzimuth(), double(bearing), 6000);
}

void TestStation::locatorCalculatorTurnsTheAntenna()
{
    REQUIRE_HAMLIB();
    StationWindow w;
    QVERIFY(w.start());
    QTRY_VERIFY_WITH_TIMEOUT(w.station().rotator().isConnected(), 6000);
    w.window().action(QStringLiteral("lokkalk"))->trigger();
    auto *calculator = qobject_cast<LocatorCalculator *>(w.window().findChild<LocatorCalculator *>(QStringLiteral("Form14")));
    QVERIFY(calculator);
    auto *turn = calculator->findChild<QWidget *>(QStringLiteral("chameleonButton3"));
    QVERIFY(turn->isVisible());
    calculator->findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("JN85AB"));
    calculator->findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("JN86BD"));
    QTest::mouseClick(turn, Qt::LeftButton);
    QCOMPARE(calculator->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral(" 3"));
    QTRY_COMPARE_WITH_TIMEOUT(w.rotatorAzimuth(), 3.0, 3000);
    // An invalid result turns nothing.
    calculator->findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("JNA5"));
    QTest::mouseClick(turn, Qt::LeftButton);
    QCOMPARE(calculator->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("??????"));
    QTest::qWait(600);
    QCOMPARE(w.rotatorAzimuth(), 3.0);
    calculator->close();
}

void TestStation::lampsGoOffAndWindowStaysResponsiveWhenDaemonsStop()
{
    REQUIRE_HAMLIB();
    StationWindow w;
    QVERIFY(w.start());
    auto *radioLamp = w.window().findChild<StationLamp *>(QStringLiteral("RadioLamp"));
    auto *rotatorLamp = w.window().findChild<StationLamp *>(QStringLiteral("RotatorLamp"));
    QTRY_VERIFY_WITH_TIMEOUT(radioLamp->isOn() && rotatorLamp->isOn(), 6000);

    w.rig.kill();
    w.rot.kill();
    QTRY_VERIFY_WITH_TIMEOUT(!radioLamp->isOn() && !rotatorLamp->isOn(), 3000);
    QVERIFY(!radioLamp->toolTip().isEmpty());
    QVERIFY(!rotatorLamp->toolTip().isEmpty());
    QVERIFY(w.window().findChild<QLineEdit *>(QStringLiteral("RadioFrequency"))->text().isEmpty());

    // While the daemons are away and reconnection is tried, the window answers at once.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, worstGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstGap = qMax(worstGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(10);
    EntryLine &e = w.entry();
    e.Text2->setFocus();
    QTest::keyClicks(e.Text2, QStringLiteral("S51A"));
    QTest::qWait(3500); // a reconnection attempt falls into this
    tick.stop();
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A"));
    QVERIFY2(worstGap < 250, qPrintable(QStringLiteral("event loop stalled %1 ms").arg(worstGap)));

    // The radio comes back: the lamp follows within a reconnection pause.
    QVERIFY(w.rig.start());
    QTRY_VERIFY_WITH_TIMEOUT(radioLamp->isOn(), 5000);
    QVERIFY(!rotatorLamp->isOn());
}

void TestStation::settingsWindowWritesIniAndReconnects()
{
    REQUIRE_HAMLIB();
    HamlibDummy rig(QStringLiteral("rigctld"));
    QVERIFY(rig.start());
    MainWindowFixture f({3, 4});
    QVERIFY(!f.window().station().radio().isEnabled());
    f.window().action(QStringLiteral("radiorotator"))->trigger();
    auto *form = f.window().findChild<FormRadio *>(QStringLiteral("FormRadio"));
    QVERIFY(form);
    form->findChild<QGroupBox *>(QStringLiteral("Frame1"))->setChecked(true);
    form->findChild<QRadioButton *>(QStringLiteral("Option2"))->setChecked(true);
    form->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("127.0.0.1"));
    form->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QString::number(rig.port()));
    QTest::mouseClick(form->findChild<QWidget *>(QStringLiteral("chameleonButton1")), Qt::LeftButton);

    const StationSettings stored = f.folder().context().settings().read<StationSettings>();
    QVERIFY(stored.rig.enabled);
    QCOMPARE(stored.rig.host, QStringLiteral("127.0.0.1"));
    QCOMPARE(stored.rig.port, rig.port());
    QVERIFY(!stored.rotator.enabled);
    QTRY_VERIFY_WITH_TIMEOUT(f.window().station().radio().isConnected(), 6000);
    // The dummy's 145 MHz: the band selector goes to 144 MHz.
    QTRY_COMPARE_WITH_TIMEOUT(f.window().entry().Combo2->currentText(), QStringLiteral("144 MHz"), 3000);

    // Opened again, the window shows what is stored.
    f.window().action(QStringLiteral("radiorotator"))->trigger();
    form = f.window().findChild<FormRadio *>(QStringLiteral("FormRadio"));
    QCOMPARE(form->settings().rig, stored.rig);
    form->close();
}

QTEST_MAIN(TestStation)
#include "tst_station.moc"
