#pragma once

#include "platform/serialportlister.h"

// The system's serial ports through QSerialPortInfo; on Linux each device is named by its
// /dev/serial/by-id link where it has one, which survives re-plugging.
class QtSerialPortLister : public SerialPortLister {
public:
    QList<SerialDeviceInfo> availablePorts() const override;
};
