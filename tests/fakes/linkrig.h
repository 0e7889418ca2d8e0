#pragma once

#include "fakecontroller.h"
#include "fakeserialport.h"
#include "fixedwallclock.h"
#include "manualtickclock.h"

#include "link/controllerlink.h"

#include <QCoreApplication>
#include <QSignalSpy>

// The whole link on fake ports and virtual ticks, started up and ready to read.
struct LinkRig {
    ManualTickClock clock;
    FixedWallClock wallClock;
    FakeSerialPort direct{clock};
    FakeSerialPort modem{clock};
    ControllerLink link{direct, modem, wallClock};
    QSignalSpy beeps{&link, &ControllerLink::beep};
    QSignalSpy done{&link, &ControllerLink::readEnded};

    LinkRig() { link.state.StartupPending = false; }

    const EngineState& engine() const { return link.inspectEngine(); }
    const ReadState& read() const { return link.readState(); }
    // How the n-th read that ended ended.
    ReadOutcome outcome(int n) const { return done.at(n).at(1).value<ReadOutcome>(); }

    // Runs the virtual ticks and the queued calls (a runner starts its next read through one)
    // until `done` holds or nothing is left to run.
    template <typename Done> void runUntil(Done done) {
        for (int idle = 0; !done() && idle < 2;) {
            QCoreApplication::processEvents();
            idle = clock.advanceToNextTimer() ? 0 : idle + 1;
        }
    }

    int beepCount() const {
        int total = 0;
        for (const auto& args : beeps)
            total += args.at(0).toInt();
        return total;
    }

    // Answers the last frame sent with a read reply: status 200 and the value.
    void reply(quint8 value) {
        direct.queueInput(QByteArray().append(char(200)).append(static_cast<char>(value)));
    }

    // A device that answers every read frame at once from its memory (image addressing),
    // except those for the silent addresses.
    void answerFrom(const std::array<quint8, 512>& memory, const QSet<int>& silentAddresses = {}) {
        answerReadsFrom(direct, link.state, memory, silentAddresses);
    }

    // The image address each frame sent asked for, in order.
    QList<int> addressesSent() const {
        QList<int> out;
        const int offset = link.state.SiteMode ? 1 : 0;
        for (const QByteArray& frame : direct.sent) {
            const auto command = static_cast<quint8>(frame.at(offset));
            const auto address = static_cast<quint8>(frame.at(offset + 1));
            out << (command == 72 ? address + 256 : address);
        }
        return out;
    }
};
