#pragma once

#include "answeringsavedialogs.h"
#include "fakecontroller.h"
#include "fakeserialport.h"
#include "fixedwallclock.h"
#include "manualtickclock.h"
#include "memoryconfigstore.h"
#include "uifakes.h"

#include "program.h"

#include <QDir>
#include <QTemporaryDir>

// The whole program on fake ports, virtual ticks, a store in memory and dialogs the test answers.
struct ProgramRig {
    // The help files are looked for in `helpFolders` only.
    explicit ProgramRig(MemoryConfigStore& store, const QStringList& arguments = {},
                        const QStringList& helpFolders = {})
        : program(ProgramServices{direct, modem, clock, store, &store, portMap, lister, fonts,
                                  confirmer, saveDialogs, messageBoxes, printer, arguments,
                                  QStringLiteral("2.10.7"), saveLocations(), helpFolders}) {
        program.mainform->show();
    }

    // The first tick of the one-second timer ends the start-up.
    void finishStartup() { program.mainform->Timer1Timer(); }

    // Runs the link until no reply is awaited any more.
    void runLink() {
        for (int step = 0; step < 20000 && ticks.advanceToNextTimer(); ++step) {
        }
    }

    // The image addresses asked for, in order.
    QList<int> addressesSent() const {
        QList<int> out;
        for (const QByteArray& frame : direct.sent) {
            const auto address = static_cast<quint8>(frame.at(1));
            out << (static_cast<quint8>(frame.at(0)) == 72 ? address + 256 : address);
        }
        return out;
    }

    ManualTickClock ticks;
    FixedWallClock clock;
    FakeSerialPort direct{ticks};
    FakeSerialPort modem{ticks};
    PortMap portMap;
    FakeSerialPortLister lister;
    FakeFontChooser fonts;
    FakeConfirmer confirmer;
    AnsweringSaveDialogs saveDialogs;
    FakeMessageBoxes messageBoxes;
    PdfPrinter printer;
    // The program's folder (writable) and the documents folder, both inside a folder of the test.
    QTemporaryDir saveFolder;
    SaveLocations saveLocations() const {
        QDir(saveFolder.path()).mkdir(QStringLiteral("program"));
        return {saveFolder.filePath(QStringLiteral("program")), true,
                saveFolder.filePath(QStringLiteral("documents"))};
    }
    Program program;
};
