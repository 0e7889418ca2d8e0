#pragma once

#include "common/statuspanels.h"
#include "link/linkstate.h"
#include "link/tracelog.h"
#include "platform/modemresultcodes.h"
#include "platform/serialport.h"
#include "platform/wallclock.h"

#include <QObject>
#include <QStringList>

// The direct port (0) and the modem port (1): configuring and opening them, the port and baud
// panels, and the two byte-level primitives through which all controller traffic passes.
class LinkPorts : public QObject {
    Q_OBJECT
public:
    static constexpr int Direct = 0, Modem = 1;
    static const QStringList BaudTexts; // "300", "1200", "2400", "9600"

    LinkPorts(SerialPort& direct, SerialPort& modem, LinkState& state, StatusPanels& status,
              TraceLog& trace, const WallClock& clock, QObject* parent = nullptr);

    SerialPort& Comport1;
    SerialPort& Comport2;
    int DirectPortNumber = 1;
    int ModemPortNumber = 2;
    int baudIndex = 2;

    SerialPort& port(int which) { return which == Modem ? Comport2 : Comport1; }
    SerialPort& linkPort() { return state_.DirectMode ? Comport1 : Comport2; }
    int linkPortId() const { return state_.DirectMode ? Direct : Modem; }
    int baudRate() const;

    void portset1();
    // False when the modem port could not be opened.
    bool portset2();
    void comstatusupdate();
    void CommSend(int port, const QByteArray& bytes);
    quint8 CommReceive(int port);

    // The COM-number edit boxes: returns the port number the text leaves (see applyComPortText).
    void ebDirectComPortNumChange(const QString& text);
    void ebModemComPortNumChange(const QString& text);
    // The baud selector; the write delay follows through baudChanged.
    void baudboxChange(int index);

    // "007" gives 7, "0" gives 1, out of range or not a number keeps the previous number.
    static int applyComPortText(const QString& text, int previous);

signals:
    void beep(int count);
    // An edit box should show this number again after a change.
    void comPortNumberShown(int port, int number);
    void baudChanged();
    // The modem sent a result code; every byte taken from the modem port is looked at.
    void modemResult(ModemResult result);

private:
    bool configureAndOpen(SerialPort& port, int comNumber, bool closeFirst);

    LinkState& state_;
    StatusPanels& status_;
    TraceLog& trace_;
    const WallClock& clock_;
    ModemResultScanner modemCodes_;
};
