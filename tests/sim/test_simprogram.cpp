#include "arrivallog.h"
#include "framebytes.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

constexpr int StartTimeoutMs = 10000;

// The simulator as a user starts it; its first output line says where it listens.
struct RunningSim {
    QProcess process;
    QString where;

    bool start(const QStringList& arguments) {
        process.start(TARVIK_SIM_BINARY, arguments);
        if (!process.waitForStarted(StartTimeoutMs))
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(StartTimeoutMs))
                return false;
        }
        where = QString::fromLocal8Bit(process.readLine()).trimmed();
        return true;
    }

    bool stop(int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        return process.waitForFinished(StartTimeoutMs) &&
               process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    ~RunningSim() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
};

QByteArray askOverPort(const QString& path, const QByteArray& frame, qsizetype replySize) {
    QSerialPort port(path);
    port.setBaudRate(9600);
    if (!port.open(QIODevice::ReadWrite))
        return "cannot open";
    ArrivalLog log(port);
    log.send(frame);
    log.waitFor(replySize, 1000);
    return log.bytes();
}

} // namespace

class SimProgramTest : public QObject {
    Q_OBJECT
private slots:
    void servesUntilSignalled_data();
    void servesUntilSignalled();
    void optionsShapeTheController_data();
    void optionsShapeTheController();
    void silentNeverAnswers();
    void servesOverTcp();
    void refusesBadArguments_data();
    void refusesBadArguments();
};

void SimProgramTest::servesUntilSignalled_data() {
    QTest::addColumn<int>("signal");

    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void SimProgramTest::servesUntilSignalled() {
    QFETCH(int, signal);

    QTemporaryDir dir;
    const QString link = dir.filePath("vx");
    RunningSim sim;
    QVERIFY(sim.start({"--no-drift", "--link", link}));
    QVERIFY2(QFileInfo::exists(sim.where), qPrintable(sim.where));
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.where);
    QCOMPARE(askOverPort(link, plainFrame(20, 0, 0), 2), bytes({200, 131}));
    QVERIFY(sim.stop(signal));
    QVERIFY(!QFileInfo(link).isSymLink());
}

void SimProgramTest::optionsShapeTheController_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("model") << QStringList{"--model", "vx20"} << plainFrame(20, 0, 0)
                           << bytes({200, 3});
    QTest::newRow("model in capitals")
        << QStringList{"--model", "VX80"} << plainFrame(20, 0, 0) << bytes({200, 227});
    QTest::newRow("system") << QStringList{"--system", "48"} << plainFrame(20, 93, 0)
                            << bytes({200, 0x14});
    QTest::newRow("high voltage") << QStringList{"--system", "hv"} << plainFrame(20, 0, 0)
                                  << bytes({200, 242});
    QTest::newRow("site") << QStringList{"--site", "7", "--model", "vx60"} << siteFrame(7, 20, 0, 0)
                          << bytes({200, 195});
    QTest::newRow("site line ignores plain frames")
        << QStringList{"--site", "7"} << plainFrame(20, 0, 0) << QByteArray();
    QTest::newRow("matching fixed baud")
        << QStringList{"--baud", "9600"} << plainFrame(187, 0, 5) << bytes({200, 5});
    QTest::newRow("other fixed baud")
        << QStringList{"--baud", "1200"} << plainFrame(187, 0, 5) << QByteArray();
    QTest::newRow("alternate settings")
        << QStringList{"--settings", "alternate"} << plainFrame(20, 87, 0) << bytes({200, 148});
    QTest::newRow("factory settings")
        << QStringList{"--settings", "Factory"} << plainFrame(20, 87, 0) << bytes({200, 146});
    // The alarm unit: its model byte, and the checksum of its EEPROM 0..14 at EEPROM 15.
    QTest::newRow("alarm unit") << QStringList{"--model", "vxa"} << plainFrame(20, 0, 0)
                                << bytes({200, 98});
    QTest::newRow("alarm unit, later variant")
        << QStringList{"--model", "vxa", "--vxa-variant", "1"} << plainFrame(20, 0, 0)
        << bytes({200, 110});
    QTest::newRow("alarm unit checksum")
        << QStringList{"--model", "vxa"} << plainFrame(72, 15, 0) << bytes({200, 147});
    QTest::newRow("alarm unit, bad checksum") << QStringList{"--model", "vxa", "--vxa-bad-checksum"}
                                              << plainFrame(72, 15, 0) << bytes({200, 148});
    QTest::newRow("alarm unit configuration, 2400 baud, 24 V")
        << QStringList{"--model", "vxa", "--system", "24"} << plainFrame(72, 18, 0)
        << bytes({200, 0x21});
    QTest::newRow("every write lost")
        << QStringList{"--drop-writes", "1"} << plainFrame(152, 10, 5) << QByteArray();
    QTest::newRow("site interface acknowledges a key")
        << QStringList{"--site", "7", "--vxi"} << siteFrame(7, 187, 101, 77) << bytes({250});
    QTest::newRow("reads spared from lost writes")
        << QStringList{"--drop-writes", "1"} << plainFrame(187, 0, 5) << bytes({200, 5});
}

void SimProgramTest::optionsShapeTheController() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, reply);

    RunningSim sim;
    QVERIFY(sim.start(arguments << "--no-drift"));
    QCOMPARE(askOverPort(sim.where, frame, 2), reply);
    QVERIFY(sim.stop(SIGTERM));
}

void SimProgramTest::silentNeverAnswers() {
    RunningSim sim;
    QVERIFY(sim.start({"--silent"}));
    QCOMPARE(askOverPort(sim.where, plainFrame(20, 0, 0), 1), QByteArray());
    QVERIFY(sim.stop(SIGTERM));
}

void SimProgramTest::servesOverTcp() {
    RunningSim sim;
    QVERIFY(sim.start({"--tcp", "0", "--model", "vx60"}));
    const auto match = QRegularExpression(R"(^tcp:127\.0\.0\.1:(\d+)$)").match(sim.where);
    QVERIFY2(match.hasMatch(), qPrintable(sim.where));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, match.captured(1).toUShort());
    QVERIFY(socket.waitForConnected(StartTimeoutMs));
    ArrivalLog log(socket);
    log.send(plainFrame(20, 0, 0));
    QVERIFY(log.waitFor(2, 2000));
    QCOMPARE(log.bytes(), bytes({200, 195}));
    QVERIFY(sim.stop(SIGTERM));
}

void SimProgramTest::refusesBadArguments_data() {
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("unknown model") << QStringList{"--model", "vx99"};
    QTest::newRow("unknown system") << QStringList{"--system", "13"};
    QTest::newRow("site too high") << QStringList{"--site", "241"};
    QTest::newRow("negative site") << QStringList{"--site", "-1"};
    QTest::newRow("probability above 1") << QStringList{"--drop", "1.5"};
    QTest::newRow("probability not a number") << QStringList{"--noise", "often"};
    QTest::newRow("late data below 0") << QStringList{"--late-data", "-0.1"};
    QTest::newRow("lost writes above 1") << QStringList{"--drop-writes", "2"};
    QTest::newRow("unknown settings") << QStringList{"--settings", "custom"};
    QTest::newRow("odd baud") << QStringList{"--baud", "1234"};
    QTest::newRow("negative seed") << QStringList{"--seed", "-1"};
    QTest::newRow("port out of range") << QStringList{"--tcp", "70000"};
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("stray argument") << QStringList{"extra"};
    QTest::newRow("missing value") << QStringList{"--model"};
    QTest::newRow("high voltage VX20") << QStringList{"--model", "vx20", "--system", "hv"};
    QTest::newRow("link over tcp") << QStringList{"--tcp", "0", "--link", "/tmp/x"};
    QTest::newRow("variant of a controller") << QStringList{"--vxa-variant", "1"};
    QTest::newRow("bad checksum of a controller") << QStringList{"--vxa-bad-checksum"};
    QTest::newRow("variant 2") << QStringList{"--model", "vxa", "--vxa-variant", "2"};
    QTest::newRow("site interface without a site") << QStringList{"--vxi"};
}

void SimProgramTest::refusesBadArguments() {
    QFETCH(QStringList, arguments);

    QProcess process;
    process.start(TARVIK_SIM_BINARY, arguments);
    QVERIFY(process.waitForFinished(StartTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    const QByteArray error = process.readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY(error.endsWith('\n'));
}

#include "testmain.h"
TARVIK_TEST_MAIN(SimProgramTest)

#include "test_simprogram.moc"
