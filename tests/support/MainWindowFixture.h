#pragma once
#include "TestPlatform.h"
#include "TestSupport.h"

#include <QStringList>
#include <functional>
#include <memory>

class Form1;
class QLineEdit;
class QWidget;

// A real main window on a temporary program folder with contest data for the given
// bands (own locator JN85AB, mode SSB unless changed), on a test platform whose clock
// stands at 2026-05-02 12:34 UTC.
class MainWindowFixture
{
public:
    // `prepare` runs on the program folder before the window opens it.
    explicit MainWindowFixture(const QList<int> &bands = {3, 4},
                               const ContestSettings &settings = TestSupport::sampleSettings(),
                               const std::function<void(TempProgramFolder &)> &prepare = {});
    ~MainWindowFixture();

    Form1 &window() { return *m_window; }
    TempProgramFolder &folder() { return *m_folder; }
    RecordingSoundPlayer &sound() { return m_platform.sound; }
    FixedClock &clock() { return m_platform.clock; }
    TestPlatform &testPlatform() { return m_platform; }

    // Types a QSO into the entry line as an operator would and presses Enter in the locator.
    void typeQso(const QString &call, const QString &serialReceived, const QString &locatorRest);
    // Rows of takmicenje as "Call|NrS|QRB|Bearing|Dupla|Loc" (trimmed), in ID order.
    QStringList storedRows(const QString &extraColumns = {}) const;
    int storedCount() const;

    static void closeMessageWindows();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    TestPlatform m_platform;
    std::unique_ptr<Form1> m_window;
};
