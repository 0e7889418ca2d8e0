#include "clirun.h"
#include "simulatedline.h"
#include "testmain.h"

#include "data/logentrycomposer.h"
#include "data/reportcomposer.h"
#include "platform/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The report's lines after its heading's date line, which only the clock changes.
QStringList linesAfterDate(const QString& text) {
    return text.split(u'\n').mid(3);
}

// What the report must say of a controller holding this image, with its current state, status
// and calibration read.
QString reportOf(const QByteArray& imageBytes, const QString& file, int language) {
    MemoryImage image;
    for (int address = 0; address < MemoryImage::Size; ++address)
        image.store(address, static_cast<std::uint8_t>(imageBytes.at(address)));
    DataValidFlags valid{true, true, {}, true};
    const ControllerIdentity identity;
    RichDocument document;
    RichComposer edit(document);
    ComposeReport(edit, {image, identity, valid, language}, {true, false, false, true},
                  {QString(), QString(), connectionText(true, QString(), language), file});
    return document.plainText();
}

// The CSV line a log entry of a controller holding this image has.
QString logLineOf(const QByteArray& imageBytes) {
    MemoryImage image;
    for (int address = 0; address < MemoryImage::Size; ++address)
        image.store(address, static_cast<std::uint8_t>(imageBytes.at(address)));
    const ControllerIdentity identity;
    RichDocument document;
    RichComposer edit(document);
    T_objCSV csv(LogColumnCount, QString());
    ComposeLogEntry(edit, csv, {image, identity, 0, QStringLiteral("d"), QStringLiteral("t")});
    return csv.BuildLine();
}

// True while the process holds a file open in the folder of `path` other than `path` itself:
// the new file it is writing.
bool writesBeside(qint64 pid, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System)) {
        const QString target = fd.symLinkTarget();
        if (target.startsWith(folder) && target != path)
            return true;
    }
    return false;
}

} // namespace

// tarvik-cli report and view against the simulated controller on a pseudo-terminal.
class RecordsCliTest : public QObject {
    Q_OBJECT
private slots:
    void reportHoldsWhatTheControllerHolds_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("languageIndex");
        QTest::newRow("English") << "en" << 0;
        QTest::newRow("Chinese") << "zh" << 2;
    }
    void reportHoldsWhatTheControllerHolds() {
        QFETCH(QString, language);
        QFETCH(int, languageIndex);
        SimulatedLine sim(steadyConfig(sim::Model::VX60, sim::SystemVoltage::V48), 9600);
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SITE1"));
        const QString pdf = dir.filePath(QStringLiteral("SITE1.pdf"));
        const CliRun run =
            runCli({"--port", sim.line.devicePath(), "--baud", "9600", "report", path, "--language",
                    language, "--sections", "current,status,calibration", "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(contentOf(pdf).startsWith("%PDF"));
        const QByteArray rtf = contentOf(path);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QCOMPARE(linesAfterDate(readRtf(rtf).plainText()),
                 linesAfterDate(reportOf(sim.controller.image(), path, languageIndex)));

        const CliRun view = runCli({"view", path, "--text"});
        QCOMPARE(view.exitCode, 0);
        QCOMPARE(QString::fromUtf8(view.out), readRtf(rtf).plainText() + u'\n');
    }

    void existingReportIsKeptUnlessAskedOtherwise() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V24), 9600);
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SITE2"));
        const QStringList report{"--port", sim.line.devicePath(), "--baud", "9600", "report",
                                 path,     "--sections",          "current"};
        QCOMPARE(runCli(report).exitCode, 0);
        const QByteArray first = contentOf(path);
        const auto rules = [&path] {
            return readRtf(contentOf(path)).plainText().count(QString(62, u'-'));
        };
        QCOMPARE(rules(), 1);

        const CliRun refused = runCli(report);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("--append or --overwrite"));
        QCOMPARE(contentOf(path), first);

        QCOMPARE(runCli(QStringList(report) << "--append").exitCode, 0);
        QCOMPARE(rules(), 2);
        QVERIFY(contentOf(path).startsWith(first.left(first.size() - 3)));
        QCOMPARE(runCli(QStringList(report) << "--overwrite").exitCode, 0);
        QCOMPARE(rules(), 1);
    }

    // Killed while it writes the new file, an append leaves the earlier report untouched.
    void killedAppendLeavesTheEarlierReportWhole() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V24), 9600);
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LARGE"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray line(200, 'x');
        for (int i = 0; i < 40000; ++i)
            file.write(line + "\r\n");
        file.close();
        const QByteArray earlier = contentOf(path);
        QProcess cli;
        cli.start(QStringLiteral(TARVIK_CLI_PATH),
                  {"--port", sim.line.devicePath(), "--baud", "9600", "report", path, "--sections",
                   "current", "--append"});
        QVERIFY(QTest::qWaitFor([&] { return writesBeside(cli.processId(), path); }, 60000));
        cli.kill();
        cli.waitForFinished();
        QCOMPARE(contentOf(path), earlier);
    }

    void silentControllerWritesNoReport() {
        sim::ControllerConfig config = steadyConfig(sim::Model::VX40, sim::SystemVoltage::V12);
        config.faults.silent = true;
        SimulatedLine sim(config, 9600);
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SITE3"));
        const CliRun run = runCli({"--port", sim.line.devicePath(), "--baud", "9600", "report",
                                   path, "--sections", "current"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("no report written"));
        QVERIFY(!QFile::exists(path));
    }

    // Two entries, as a timer would make them, each the state the simulator holds.
    void logAppendsOneEntryPerRun() {
        SimulatedLine sim(steadyConfig(sim::Model::VX60, sim::SystemVoltage::V24), 9600);
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("LogFile"));
        const QString csv = dir.filePath(QStringLiteral("LOGFILE.CSV"));
        const QStringList command{"--port", sim.line.devicePath(), "--baud", "9600",
                                  "log",    "--log-file",          log,      "--csv",
                                  csv};
        for (int entry = 0; entry < 2; ++entry) {
            const CliRun run = runCli(command);
            QVERIFY2(run.exitCode == 0, run.err.constData());
        }
        const QList<QByteArray> lines = contentOf(csv).split('\n');
        QCOMPARE(lines.size(), 3);
        const QString expected = logLineOf(sim.controller.image());
        for (int entry = 0; entry < 2; ++entry) {
            const QString line = QString::fromUtf8(lines.at(entry)).trimmed();
            // Date and time aside, the line is the simulator's state.
            QCOMPARE(line.section(u',', 2), expected.section(u',', 2));
        }
        QCOMPARE(readRtf(contentOf(log)).plainText().count(QString(62, u'-')), 2);
    }

    void viewOfAMissingFileFails() {
        const CliRun run = runCli({"view", QStringLiteral("/nonexistent/REPORT")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("/nonexistent/REPORT"));
    }
};

TARVIK_TEST_MAIN(RecordsCliTest)

#include "test_records_cli.moc"
