#pragma once

#include <QObject>
#include <QString>

// A telephony device in front of the modem port: it opens the port itself, dials, and tells how
// the call goes through its events.
class TelephonyDevice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void dial(const QString& number) = 0;
    // Ends the call; true when it ended at once, otherwise TapiPortClose follows.
    virtual bool cancelCall() = 0;
    // The device the calls go through (a serial device of the system; empty for the modem port's
    // own device).
    virtual QString selectedDevice() const = 0;
    virtual void setSelectedDevice(const QString& device) = 0;

signals:
    void TapiPortOpen();
    void TapiPortClose();
    void TapiConnect();
    // The call did not come about; the modem's result code says why ("BUSY").
    void TapiFail(const QString& resultCode);
};
