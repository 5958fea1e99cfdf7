#pragma once
// A stand-in for the main window's part that the call-sign information reaches: the
// entry line's widgets, with the call field's changes going to the session and then
// to the controller's own change handling, in the lookup set chosen by `editing`.

#include "callinfo/ui/CallInfoController.h"
#include "contest/ContestContext.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryLine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>

struct EntryFixture
{
    QWidget window;
    EntryLine entry;
    // The folder of the test program, as the program's own folder is of the program.
    ContestContext context{ProgramFolder::executableFolder()};
    EntrySession session{context};
    BandLogModel &band = session.log();
    bool editing = false; // a logged QSO is loaded: the edit set of the lookup
    CallInfoController *callInfo = nullptr;

    EntryFixture()
    {
        auto *layout = new QVBoxLayout(&window);
        auto line = [&](const char *name) {
            auto *w = new QLineEdit(&window);
            w->setObjectName(QString::fromLatin1(name));
            layout->addWidget(w);
            return w;
        };
        auto label = [&](const char *name) {
            auto *w = new QLabel(&window);
            w->setObjectName(QString::fromLatin1(name));
            layout->addWidget(w);
            return w;
        };
        entry.Text2 = line("Text2");
        entry.Text4 = line("Text4");
        entry.Text8 = line("Text8");
        entry.Combo2 = new QComboBox(&window);
        entry.Combo2->addItem(QStringLiteral("144 MHz"));
        layout->addWidget(entry.Combo2);
        entry.Label17 = label("Label17");
        entry.Label18 = label("Label18");
        entry.Label19 = label("Label19");
        entry.Label26 = label("Label26");
        entry.Label29 = label("Label29");
        entry.Label30 = label("Label30");
        entry.Label31 = label("Label31");
        entry.Label32 = label("Label32");
        entry.Label25 = label("Label25");
        entry.Label25->setText(QStringLiteral("Nova DXCC zemlja"));
        entry.Label25->hide();
        for (QLabel *l : {entry.Label29, entry.Label30, entry.Label31})
            l->hide();
        entry.DataGrid2 = new QTableView(&window);
        entry.DataGrid2->setObjectName(QStringLiteral("DataGrid2"));
        layout->addWidget(entry.DataGrid2);
        entry.session = &session;
        QObject::connect(entry.Text4, &QLineEdit::textChanged, &window,
                         [this](const QString &t) { session.setSerialSent(t); });
        entry.Text4->setText(QStringLiteral("001"));

        callInfo = new CallInfoController(context.folder(), entry, &window);
        QObject::connect(entry.Text2, &QLineEdit::textChanged, &window, [this](const QString &t) {
            session.setCall(t);
            callInfo->callChanged(t, editing);
        });
    }

    // The entry reset: empty call, entry set shown.
    void reset()
    {
        editing = false;
        entry.Text2->clear();
        for (QLabel *l : {entry.Label17, entry.Label18, entry.Label19})
            l->clear();
        for (QLabel *l : {entry.Label17, entry.Label18, entry.Label19})
            l->show();
        for (QLabel *l : {entry.Label29, entry.Label30, entry.Label31})
            l->hide();
    }
};
