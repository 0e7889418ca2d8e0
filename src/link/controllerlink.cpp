#include "link/controllerlink.h"

ControllerLink::ControllerLink(SerialPort& direct, SerialPort& modem, const WallClock& clock,
                               QObject* parent)
    : QObject(parent), ports(direct, modem, state, status, trace, clock),
      engine_(ports, state, image, alarmImage, log, status),
      reads_(engine_, ports, state, valid, log, status, trace),
      single_(engine_, reads_, ports, state),
      writes_(engine_, ports, state, image, alarmImage, status),
      verification_(reads_, image, alarmImage, status, state),
      modem_(ports, state, status, valid, log, engine_) {
    engine_.attach(&writes_);
    engine_.attach(&modem_);
    engine_.attach(&single_);
    connect(&reads_, &ReadSequencer::readStepped, this, &ControllerLink::readStepped);
    connect(&reads_, &ReadSequencer::readEnded, this, &ControllerLink::readEnded);
    connect(&engine_, &TransactionEngine::commFailed, this, &ControllerLink::commFailed);
    connect(&engine_, &TransactionEngine::beep, this, &ControllerLink::beep);
    connect(&single_, &SingleCommands::replied, this, &ControllerLink::singleReplied);
    connect(&writes_, &PacedWrites::writeEnded, this, &ControllerLink::writeEnded);
    connect(&writes_, &PacedWrites::beep, this, &ControllerLink::beep);
    connect(&writes_, &PacedWrites::writeEnded, &verification_,
            [this](PacedWrite kind) { verification_.writeEnded(kind, writes_.written()); });
    connect(&reads_, &ReadSequencer::readEnded, &verification_, &WriteVerification::readEnded);
    connect(&verification_, &WriteVerification::writeChecked, this, &ControllerLink::writeChecked);
    connect(&ports, &LinkPorts::baudChanged, &writes_, &PacedWrites::setwritedelay);
}

void ControllerLink::clearWorkingState() {
    image.clear();
    valid = DataValidFlags{};
    log = LogReadFlags{};
    engine_.reset();
    reads_.reset();
    modem_.reset();
    single_.reset();
    write_ = WriteOperands{};
}
