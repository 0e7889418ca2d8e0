#include "link/controllerlink.h"

ControllerLink::ControllerLink(SerialPort& direct, SerialPort& modem, const WallClock& clock,
                               QObject* parent)
    : QObject(parent), ports(direct, modem, state, status, trace, clock),
      engine_(ports, state, image, alarmImage, log, status),
      reads_(engine_, ports, state, valid, log, status, trace) {
    connect(&reads_, &ReadSequencer::readStepped, this, &ControllerLink::readStepped);
    connect(&reads_, &ReadSequencer::readEnded, this, &ControllerLink::readEnded);
    connect(&engine_, &TransactionEngine::commFailed, this, &ControllerLink::commFailed);
    connect(&engine_, &TransactionEngine::beep, this, &ControllerLink::beep);
    connect(&engine_, &TransactionEngine::singleCommandReply, this,
            &ControllerLink::singleCommandReply);
}

void ControllerLink::sendSingleCommand(int kind, int address, int data) {
    reads_.beginSingleCommand();
    engine_.sendcommand(kind, address, data);
}

void ControllerLink::clearWorkingState() {
    image.clear();
    valid = DataValidFlags{};
    log = LogReadFlags{};
    engine_.reset();
    reads_.reset();
    write_ = WriteOperands{};
}
