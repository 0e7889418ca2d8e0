#pragma once

#include "sim/controller.h"
#include "sim/linedriver.h"
#include "sim/linespeed.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

namespace sim {

struct PtyOptions {
    int baud = DefaultBaud;  // the port's speed until a client sets its own, and the pace then
    bool strictBaud = false; // a client at another speed is heard as garbage
    QString linkPath;        // a symbolic link to the device, removed again on close
};

// The controller behind a pseudo-terminal: clients open devicePath() like a serial port.
class PtyLine : public QObject {
    Q_OBJECT
public:
    explicit PtyLine(Controller& controller, PtyOptions options = {}, QObject* parent = nullptr);
    ~PtyLine() override;

    bool open();
    QString devicePath() const { return devicePath_; }
    void putModemInFront(HayesModem& modem) { driver_.putModemInFront(modem); }
    QString errorString() const { return errorString_; }

private:
    bool openPair();
    bool makeRaw();
    bool makeLink();
    bool fail(const QString& step);
    void readClient();
    int clientBaud() const;
    void close();

    PtyOptions options_;
    LineDriver driver_;
    int controllerFd_ = -1; // master side: the controller's end of the cable
    int portFd_ = -1;       // our own handle on the client side, kept open between clients
    std::unique_ptr<QSocketNotifier> notifier_;
    QString devicePath_;
    QString errorString_;
    bool linkMade_ = false;
};

} // namespace sim
