#include "sim/tcpline.h"

#include <QHostAddress>

namespace sim {

TcpLine::TcpLine(Controller& controller, int baud, QObject* parent)
    : QObject(parent), driver_(controller, [this](char byte) {
          if (client_)
              client_->write(&byte, 1);
      }) {
    driver_.setBaud(baud);
    connect(&server_, &QTcpServer::newConnection, this, &TcpLine::acceptClients);
}

TcpLine::~TcpLine() {
    dropClient();
}

bool TcpLine::listen(quint16 port) {
    return server_.listen(QHostAddress::LocalHost, port);
}

void TcpLine::acceptClients() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (client_) { // the adapter's serial side is taken
            socket->disconnectFromHost();
            socket->deleteLater();
            continue;
        }
        client_ = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); // bytes go out one by one
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { driver_.receive(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, this, &TcpLine::dropClient);
    }
}

// The socket may still signal while it is being torn down; by then it must not reach us.
void TcpLine::dropClient() {
    driver_.discardPending();
    if (client_) {
        client_->disconnect(this);
        client_->deleteLater();
    }
    client_ = nullptr;
}

} // namespace sim
