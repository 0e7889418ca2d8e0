#include "loopbackports.h"
#include "manualtickclock.h"
#include "testmain.h"

#include "platform/qt/deviceport.h"
#include "platform/qt/tcpserialport.h"
#include "platform/tcpaddress.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

namespace {
constexpr int WaitMs = 5000;
}

class TcpAddressTest : public QObject {
    Q_OBJECT
private slots:
    void addressesAreReadWhole_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("IPv4") << "tcp://127.0.0.1:4001" << true << "127.0.0.1" << 4001;
        QTest::newRow("name, upper-case scheme, spaces")
            << " TCP://adapter.local:23 " << true << "adapter.local" << 23;
        QTest::newRow("IPv6 in brackets") << "tcp://[::1]:5000" << true << "::1" << 5000;
        QTest::newRow("no port") << "tcp://127.0.0.1" << false << "" << 0;
        QTest::newRow("no host") << "tcp://:4001" << false << "" << 0;
        QTest::newRow("port zero") << "tcp://h:0" << false << "" << 0;
        QTest::newRow("port too large") << "tcp://h:70000" << false << "" << 0;
        QTest::newRow("port not a number") << "tcp://h:abc" << false << "" << 0;
        QTest::newRow("path after it") << "tcp://h:4001/x" << false << "" << 0;
        QTest::newRow("serial device") << "/dev/ttyS0" << false << "" << 0;
    }
    void addressesAreReadWhole() {
        QFETCH(QString, device);
        QFETCH(bool, valid);
        QFETCH(QString, host);
        QFETCH(int, port);
        const auto address = parseTcpAddress(device);
        QCOMPARE(address.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(address->host, host);
        QCOMPARE(int(address->port), port);
    }
};

// The network port against a loopback server standing in for a serial-over-network adapter.
class TcpSerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        server = std::make_unique<QTcpServer>();
        QVERIFY(server->listen(QHostAddress::LocalHost));
        connect(server.get(), &QTcpServer::newConnection, this,
                [this] { client = server->nextPendingConnection(); });
        ports.setDevice(1, loopback(server->serverPort()));
    }
    void cleanup() { server.reset(); }

    void bytesPutBeforeTheConnectionGoOutAndRepliesComeOneAtATime() {
        TcpSerialPort port(clock, ports);
        QVERIFY(port.open());
        port.putBytes(QByteArray("\x14\xDD\x00\xEB", 4));
        QVERIFY(
            QTest::qWaitFor([this] { return client && client->bytesAvailable() >= 4; }, WaitMs));
        QCOMPARE(client->readAll(), QByteArray("\x14\xDD\x00\xEB", 4));
        client->write("\xC8\x3C");
        QTRY_VERIFY_WITH_TIMEOUT(port.charReady(), WaitMs);
        QCOMPARE(port.getChar(), quint8(0xC8));
        QTRY_VERIFY_WITH_TIMEOUT(port.charReady(), WaitMs);
        QCOMPARE(port.getChar(), quint8(0x3C));
        QVERIFY(!port.charReady());
        QCOMPARE(port.failure().fault, PortFault::None);
    }

    void flushInputDropsWhatArrived() {
        TcpSerialPort port(clock, ports);
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([this] { return client != nullptr; }, WaitMs));
        client->write("noise");
        QVERIFY(QTest::qWaitFor([&] { return port.charReady(); }, WaitMs));
        port.flushInput();
        QVERIFY(!port.charReady());
    }

    void aRefusedConnectionFailsTheEngineOnceAndCloses() {
        ports.setDevice(1, loopback(closedPort()));
        TcpSerialPort port(clock, ports);
        QSignalSpy failed(&port, &SerialPort::portFailed);
        QVERIFY(port.open());
        port.putBytes("x");
        QVERIFY(failed.wait(WaitMs));
        QTest::qWait(100);
        QCOMPARE(failed.size(), 1);
        QVERIFY(!port.isOpen());
        const auto failure = failed.at(0).at(0).value<PortFailure>();
        QCOMPARE(failure.fault, PortFault::Refused);
        QCOMPARE(failure.device, ports.deviceFor(1));
        QVERIFY(!failure.detail.isEmpty());
    }

    void aDroppedConnectionFailsOnceAndTheNextOpenConnectsAgain() {
        TcpSerialPort port(clock, ports);
        QSignalSpy failed(&port, &SerialPort::portFailed);
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([this] { return client != nullptr; }, WaitMs));
        client->write("\xC8");
        client->disconnectFromHost();
        QVERIFY(failed.wait(WaitMs));
        QTest::qWait(100);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).value<PortFailure>().fault, PortFault::Dropped);
        QVERIFY(!port.isOpen());
        QVERIFY(!port.charReady());

        QPointer<QTcpSocket> first = client;
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([&] { return client != first; }, WaitMs));
        QVERIFY(port.isOpen());
        QCOMPARE(port.failure().fault, PortFault::None);
    }

    // Every read opens its port; the adapter must not see a new client for each.
    void openingAgainKeepsTheConnection() {
        TcpSerialPort port(clock, ports);
        int connections = 0;
        connect(server.get(), &QTcpServer::newConnection, this, [&] { ++connections; });
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([this] { return client != nullptr; }, WaitMs));
        QVERIFY(port.open());
        port.putBytes("a");
        QVERIFY(QTest::qWaitFor([this] { return client->bytesAvailable() >= 1; }, WaitMs));
        QCOMPARE(connections, 1);
        QCOMPARE(client->state(), QAbstractSocket::ConnectedState);
    }

    void closingIsNoFailure() {
        TcpSerialPort port(clock, ports);
        QSignalSpy failed(&port, &SerialPort::portFailed);
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([this] { return client != nullptr; }, WaitMs));
        port.close();
        QTest::qWait(100);
        QCOMPARE(failed.size(), 0);
        QVERIFY(!port.isOpen());
    }

    void aMalformedAddressDoesNotOpen() {
        ports.setDevice(1, QStringLiteral("tcp://127.0.0.1"));
        TcpSerialPort port(clock, ports);
        QVERIFY(!port.open());
        QVERIFY(!port.isOpen());
        QCOMPARE(port.failure().fault, PortFault::BadAddress);
    }

    // The port the programs use picks the backend from the COM number's device at each open.
    void theDeviceDecidesTheBackendAtEachOpen() {
        DevicePort port(clock, ports);
        QSignalSpy failed(&port, &SerialPort::portFailed);
        QVERIFY(port.open());
        QVERIFY(QTest::qWaitFor([this] { return client != nullptr; }, WaitMs));
        port.putBytes("ab");
        QVERIFY(QTest::qWaitFor([this] { return client->bytesAvailable() >= 2; }, WaitMs));

        ports.setDevice(1, QStringLiteral("/dev/tarvik-no-such-port"));
        QVERIFY(!port.open());
        QCOMPARE(port.failure().fault, PortFault::Missing);
        QVERIFY(!port.isOpen());

        ports.setDevice(1, loopback(closedPort()));
        QVERIFY(port.open());
        QVERIFY(failed.wait(WaitMs));
        QCOMPARE(failed.at(0).at(0).value<PortFailure>().fault, PortFault::Refused);
        QCOMPARE(port.failure().fault, PortFault::Refused);
        QVERIFY(!port.isOpen());
    }

private:
    ManualTickClock clock;
    PortMap ports;
    std::unique_ptr<QTcpServer> server;
    QPointer<QTcpSocket> client; // the server's end of the connection, the server's child
};

TARVIK_TEST_MAIN(TcpAddressTest, TcpSerialPortTest)

#include "test_networkport.moc"
