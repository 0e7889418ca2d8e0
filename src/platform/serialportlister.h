#pragma once

#include <QList>
#include <QString>

// A serial device of the system, as the port panel offers it.
struct SerialDeviceInfo {
    QString path;        // what opens it; a stable name where the system has one
    QString description; // maker, product and serial number, for a tooltip
};

// Lists the system's serial devices. Pseudo-terminals are not listed; a typed path still works.
class SerialPortLister {
public:
    virtual ~SerialPortLister() = default;
    virtual QList<SerialDeviceInfo> availablePorts() const = 0;
};
