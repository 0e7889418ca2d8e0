#pragma once

#include "sim/controller.h"
#include "sim/linedriver.h"
#include "sim/linespeed.h"

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace sim {

// The controller behind a serial-over-network adapter on 127.0.0.1: one client at a time, the
// replies paced at the adapter's serial baud rate.
class TcpLine : public QObject {
    Q_OBJECT
public:
    explicit TcpLine(Controller& controller, int baud = DefaultBaud, QObject* parent = nullptr);
    ~TcpLine() override;

    // Port 0 takes any free port; port() tells which.
    bool listen(quint16 port);
    quint16 port() const { return server_.serverPort(); }
    void putModemInFront(HayesModem& modem) { driver_.putModemInFront(modem); }
    QString errorString() const { return server_.errorString(); }

private:
    void acceptClients();
    void dropClient();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    LineDriver driver_;
};

} // namespace sim
