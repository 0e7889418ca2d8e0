#include "arrivallog.h"
#include "framebytes.h"
#include "sim/controller.h"
#include "sim/faultinjector.h"
#include "sim/ptyline.h"
#include "sim/tcpline.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

sim::ControllerConfig stillController() {
    sim::ControllerConfig config;
    config.drift = false;
    return config;
}

std::unique_ptr<QSerialPort> openClient(const QString& path, int baud) {
    auto port = std::make_unique<QSerialPort>(path);
    port->setBaudRate(baud);
    if (!port->open(QIODevice::ReadWrite))
        return nullptr;
    return port;
}

QByteArray expectedRead(const sim::Controller& controller, int address) {
    return bytes({200, controller.imageByte(address)});
}

} // namespace

class SimLinesTest : public QObject {
    Q_OBJECT
private slots:
    void ptyPacesRepliesAtTheClientsBaud_data();
    void ptyPacesRepliesAtTheClientsBaud();
    void ptyAtAFixedBaudHearsOtherSpeedsAsGarbage_data();
    void ptyAtAFixedBaudHearsOtherSpeedsAsGarbage();
    void ptyServesClientAfterClient();
    void ptyLinkLivesWithTheLine();
    void lateDataByteArrivesLate();
    void tcpServesOneClientAtATime();
};

void SimLinesTest::ptyPacesRepliesAtTheClientsBaud_data() {
    QTest::addColumn<int>("lineBaud");
    QTest::addColumn<int>("clientBaud");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    // Twenty reply bytes: nineteen byte times from the first to the last.
    QTest::newRow("300") << 9600 << 300 << 600 << 2500;
    QTest::newRow("2400") << 300 << 2400 << 75 << 500;
    QTest::newRow("9600") << 300 << 9600 << 18 << 300;
}

void SimLinesTest::ptyPacesRepliesAtTheClientsBaud() {
    QFETCH(int, lineBaud);
    QFETCH(int, clientBaud);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    sim::Controller controller(stillController());
    sim::PtyLine line(controller, {lineBaud, false, {}});
    QVERIFY2(line.open(), qPrintable(line.errorString()));
    const auto port = openClient(line.devicePath(), clientBaud);
    QVERIFY(port);
    ArrivalLog log(*port);
    QByteArray frames, expected;
    for (int address = 0; address < 10; ++address) {
        frames.append(plainFrame(20, address, 0));
        expected.append(expectedRead(controller, address));
    }
    log.send(frames);
    QVERIFY(log.waitFor(expected.size(), 5000));
    QCOMPARE(log.bytes(), expected);
    const qint64 spread = log.arrivalMs(expected.size() - 1) - log.arrivalMs(0);
    QVERIFY2(spread >= minMs && spread <= maxMs, qPrintable(QString::number(spread)));
}

void SimLinesTest::ptyAtAFixedBaudHearsOtherSpeedsAsGarbage_data() {
    QTest::addColumn<int>("clientBaud");
    QTest::addColumn<bool>("answered");

    QTest::newRow("same speed") << 2400 << true;
    QTest::newRow("faster") << 9600 << false;
    QTest::newRow("slower") << 1200 << false;
}

void SimLinesTest::ptyAtAFixedBaudHearsOtherSpeedsAsGarbage() {
    QFETCH(int, clientBaud);
    QFETCH(bool, answered);

    sim::Controller controller(stillController());
    sim::PtyLine line(controller, {2400, true, {}});
    QVERIFY(line.open());
    const auto port = openClient(line.devicePath(), clientBaud);
    QVERIFY(port);
    ArrivalLog log(*port);
    log.send(plainFrame(20, 0, 0));
    QCOMPARE(log.waitFor(2, 600), answered);
    QCOMPARE(controller.frames().isEmpty(), !answered);
}

// The line keeps its own handle on the port, so a client closing does not break the next one.
void SimLinesTest::ptyServesClientAfterClient() {
    sim::Controller controller(stillController());
    sim::PtyLine line(controller);
    QVERIFY(line.open());
    for (int client = 0; client < 3; ++client) {
        const auto port = openClient(line.devicePath(), 9600);
        QVERIFY(port);
        ArrivalLog log(*port);
        log.send(plainFrame(20, 221, 0));
        QVERIFY(log.waitFor(2, 2000));
        QCOMPARE(log.bytes(), expectedRead(controller, 221));
    }
    QCOMPARE(controller.frames().size(), 3);
}

void SimLinesTest::ptyLinkLivesWithTheLine() {
    QTemporaryDir dir;
    const QString link = dir.filePath("vx");
    QVERIFY(QFile::link("/nonexistent/left/by/a/crash", link));

    sim::Controller controller(stillController());
    auto line = std::make_unique<sim::PtyLine>(controller, sim::PtyOptions{2400, false, link});
    QVERIFY2(line->open(), qPrintable(line->errorString()));
    QCOMPARE(QFileInfo(link).symLinkTarget(), line->devicePath());
    const auto port = openClient(link, 2400);
    QVERIFY(port);
    ArrivalLog log(*port);
    log.send(plainFrame(187, 0, 42));
    QVERIFY(log.waitFor(2, 2000));
    QCOMPARE(log.bytes(), bytes({200, 42}));

    line.reset();
    QVERIFY(!QFileInfo(link).isSymLink());
}

void SimLinesTest::lateDataByteArrivesLate() {
    sim::ControllerConfig config = stillController();
    config.faults.lateData = 1.0;
    sim::Controller controller(config);
    sim::PtyLine line(controller);
    QVERIFY(line.open());
    const auto port = openClient(line.devicePath(), 9600);
    QVERIFY(port);
    ArrivalLog log(*port);
    log.send(plainFrame(20, 0, 0));
    QVERIFY(log.waitFor(2, 2000));
    QCOMPARE(log.bytes(), expectedRead(controller, 0));
    // Counted from the send: a busy machine may see both bytes at once, but never early.
    QVERIFY(log.arrivalMs(1) >= sim::LateDataMinMs);
}

void SimLinesTest::tcpServesOneClientAtATime() {
    sim::Controller controller(stillController());
    sim::TcpLine line(controller, 9600);
    QVERIFY2(line.listen(0), qPrintable(line.errorString()));

    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, line.port());
    QVERIFY(first.waitForConnected(2000));
    ArrivalLog firstLog(first);
    firstLog.send(plainFrame(20, 93, 0));
    QVERIFY(firstLog.waitFor(2, 2000));
    QCOMPARE(firstLog.bytes(), expectedRead(controller, 93));

    QTcpSocket second;
    QSignalSpy secondClosed(&second, &QTcpSocket::disconnected);
    second.connectToHost(QHostAddress::LocalHost, line.port());
    QVERIFY(secondClosed.wait(2000));

    // Once the line has seen the first client go, the next one is served.
    first.disconnectFromHost();
    const auto nextClientServed = [&] {
        QTcpSocket next;
        next.connectToHost(QHostAddress::LocalHost, line.port());
        if (!next.waitForConnected(1000))
            return false;
        ArrivalLog log(next);
        log.send(plainFrame(20, 0, 0));
        return log.waitFor(2, 300) && log.bytes() == expectedRead(controller, 0);
    };
    QVERIFY(QTest::qWaitFor(nextClientServed, 3000));
}

#include "testmain.h"
TARVIK_TEST_MAIN(SimLinesTest)

#include "test_simlines.moc"
