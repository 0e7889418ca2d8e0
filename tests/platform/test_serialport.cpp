#include "manualtickclock.h"
#include "testmain.h"

#include "platform/qt/qtserialport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using Errors = QList<QSerialPort::SerialPortError>;
Q_DECLARE_METATYPE(Errors)

// Which errors of the serial port are the loss of the device. The port is the slave of a
// pseudo-terminal, reached through a link that a row may take away, as a USB adapter's device
// goes when it is pulled out.
class QtSerialPortErrorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        QVERIFY(dir.isValid());
        device = dir.filePath(QStringLiteral("ttyADAPTER"));
        QVERIFY(QFile::link(QString::fromLocal8Bit(ptsname(master)), device));
        ports.setDevice(1, device);
    }
    void cleanup() {
        QFile::remove(device);
        ::close(master);
    }

    void onlyALostDeviceClosesThePort_data() {
        QTest::addColumn<Errors>("errors");
        QTest::addColumn<bool>("deviceGone");
        QTest::addColumn<bool>("closed");
        // Input flushed while the port was announcing bytes: the read then finds none.
        QTest::newRow("one read that finds nothing")
            << Errors{QSerialPort::ReadError} << false << false;
        QTest::newRow("two such reads")
            << Errors{QSerialPort::ReadError, QSerialPort::ReadError} << false << false;
        QTest::newRow("a pulled adapter: every read fails")
            << Errors{QSerialPort::ReadError, QSerialPort::ReadError, QSerialPort::ReadError}
            << false << true;
        QTest::newRow("a read fails and the device has gone")
            << Errors{QSerialPort::ReadError} << true << true;
        QTest::newRow("the device disappeared")
            << Errors{QSerialPort::ResourceError} << false << true;
        QTest::newRow("no modem lines")
            << Errors{QSerialPort::UnsupportedOperationError} << false << false;
    }
    void onlyALostDeviceClosesThePort() {
        QFETCH(Errors, errors);
        QFETCH(bool, deviceGone);
        QFETCH(bool, closed);
        QtSerialPort port(clock, ports);
        port.setComNumber(1);
        QSignalSpy failed(&port, &SerialPort::portFailed);
        QVERIFY(port.open());
        if (deviceGone)
            QVERIFY(QFile::remove(device));
        auto* serial = port.findChild<QSerialPort*>();
        QVERIFY(serial != nullptr);
        for (const auto error : errors)
            emit serial->errorOccurred(error);
        QTest::qWait(50);
        QCOMPARE(port.isOpen(), !closed);
        QCOMPARE(failed.size(), closed ? 1 : 0);
        if (closed)
            QCOMPARE(failed.at(0).at(0).value<PortFailure>().fault, PortFault::StoppedAnswering);
    }

private:
    ManualTickClock clock;
    PortMap ports;
    QTemporaryDir dir;
    QString device;
    int master = -1;
};

TARVIK_TEST_MAIN(QtSerialPortErrorTest)

#include "test_serialport.moc"
