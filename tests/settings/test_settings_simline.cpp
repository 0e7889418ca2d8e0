#include "../ui/uifakes.h"
#include "clirun.h"
#include "programlink.h"
#include "shownpage.h"
#include "simulatedline.h"
#include "widgettestmain.h"

#include "settings/calibration.h"
#include "settings/settingscatalogue.h"
#include "settings/ui/setform.h"
#include "settings/ui/stringcolumn.h"

#include <QJsonArray>
#include <QToolButton>
#include <memory>

namespace {

constexpr int ReadTimeoutMs = 30000;

// The settings window of the program, on the real serial port, reading a simulated controller.
struct WindowOnSimulator {
    SimulatedLine sim;
    ProgramLink program;
    ControllerLink& link = program.link;
    sim::PtyLine& line = sim.line;
    ControllerIdentity identity;
    LanguageFonts fonts;
    FakeConfirmer confirmer;
    std::unique_ptr<Tsetform> window;
    int readsDone = 0;

    // The device is known once the line is open.
    explicit WindowOnSimulator(const sim::ControllerConfig& config)
        : sim(config, 9600), program(QString(), 3) {
        QObject::connect(&link, &ControllerLink::readEnded, [this](int, ReadOutcome outcome) {
            readsDone += outcome == ReadOutcome::Completed ? 1 : 1000;
        });
    }

    bool start() {
        if (!line.open())
            return false;
        program.pointAt(line.devicePath());
        window = std::make_unique<Tsetform>(link, identity, fonts, confirmer);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    bool waitForReads(int count) {
        return QTest::qWaitFor([&] { return readsDone >= count; }, ReadTimeoutMs) &&
               readsDone == count;
    }

    void click(const QString& name) {
        QTest::mouseClick(window->findChild<QToolButton*>(name), Qt::LeftButton);
    }
    QString cell(const char* column, int row) const {
        return window->findChild<StringColumn*>(QString::fromLatin1(column))->cellText(row);
    }
    int byte(int address) const { return sim.controller.imageByte(address); }
};

} // namespace

// The settings window and tarvik-cli against a simulated controller on a pseudo-terminal.
class SettingsOnSimulatorTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndCommandLineShowTheControllersSettings_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("system");
        QTest::newRow("VX40 24 V") << int(sim::Model::VX40) << int(sim::SystemVoltage::V24);
        QTest::newRow("VX60 high voltage")
            << int(sim::Model::VX60) << int(sim::SystemVoltage::HighVoltage);
    }
    void windowAndCommandLineShowTheControllersSettings() {
        QFETCH(int, model);
        QFETCH(int, system);
        WindowOnSimulator w(steadyConfig(sim::Model(model), sim::SystemVoltage(system)));
        QVERIFY2(w.start(), qPrintable(w.line.errorString()));
        QJsonArray windowRows;
        for (int page = 1; page <= SettingsPageCount; ++page) {
            if (page > 1)
                w.click(QStringLiteral("conbutton%1").arg(page));
            QVERIFY2(w.waitForReads(page), "a page read failed or did not end");
            appendShownPage(*w.window, page, windowRows);
        }
        for (int page = 1; page <= SettingsPageCount; ++page)
            for (const int address : readList(settingsPage(page).readType))
                QCOMPARE(int(w.link.image.at(address)), w.byte(address));
        checkAgainstTheControllersBytes(windowRows, w);

        w.program.direct.close(); // the port is the command line's now
        const CliRun run =
            runCli({"--port", w.line.devicePath(), "--baud", "9600", "read", "settings", "--json"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.json().value("complete").toBool());
        QCOMPARE(run.json().value("settings").toArray(), windowRows);
    }

    void calibrationInTheWindowAndTheCommandLine() {
        WindowOnSimulator w(steadyConfig(sim::Model::VX80, sim::SystemVoltage::V12));
        QVERIFY2(w.start(), qPrintable(w.line.errorString()));
        QVERIFY(w.waitForReads(1));
        w.click(QStringLiteral("Calbutton"));
        QVERIFY(w.waitForReads(2));
        QVERIFY(w.link.valid.CalibrationValid);

        w.program.direct.close(); // the port is the command line's now
        const CliRun run = runCli(
            {"--port", w.line.devicePath(), "--baud", "9600", "read", "calibration", "--json"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonArray channels = run.json().value("channels").toArray();
        QCOMPARE(channels.size(), CalibrationChannelCount);
        for (int row = 0; row < CalibrationChannelCount; ++row) {
            const QJsonObject channel = channels.at(row).toObject();
            QCOMPARE(channel.value("name").toString(), w.cell("sgrid1", row));
            QCOMPARE(calibrationText(channel.value("gain").toInt()), w.cell("sgrid2", row));
            QCOMPARE(calibrationText(channel.value("offset").toInt()), w.cell("sgrid3", row));
        }
        // The charge-current channel, worked out from its two bytes.
        QCOMPARE(channels.at(3).toObject().value("gain").toInt(), (w.byte(215) & 63) - 32);
        QCOMPARE(channels.at(3).toObject().value("offset").toInt(),
                 w.byte(214) < 128 ? w.byte(214) : w.byte(214) - 256);
    }

private:
    // Rows worked out from the controller's bytes without the program's codec.
    static void checkAgainstTheControllersBytes(const QJsonArray& rows,
                                                const WindowOnSimulator& w) {
        const auto value = [&rows](int setting) {
            return rows.at(setting).toObject().value("value").toString();
        };
        const bool wholeVolts = w.byte(0) >= 240 && w.byte(0) <= 249;
        const int numerator = wholeVolts ? 1 : std::array{1, 2, 8, 3, 4}.at(w.byte(93) & 7);
        const int denominator = (w.byte(93) & 7) == 2 && !wholeVolts ? 3 : 1;
        const auto volts = [&](int raw) {
            return wholeVolts ? QString::number(raw) : tenths(raw * numerator / denominator);
        };
        QCOMPARE(value(0), tenths(w.byte(48)));
        QCOMPARE(value(9), volts(w.byte(87)));
        QCOMPARE(value(15), volts(w.byte(86)));
        QCOMPARE(value(18), tenths(w.byte(77) * 5));
        const int capacity = w.byte(94) < 50 ? w.byte(94) * 20 : (w.byte(94) - 40) * 100;
        QCOMPARE(value(26), QString::number(capacity));
        QCOMPARE(value(36), QString::number(w.byte(188) + 256 * w.byte(189)));
        QCOMPARE(value(47), QString::number(w.byte(181)));
        QCOMPARE(value(41), QString::number(w.byte(92) & 15));
    }
};

TARVIK_WIDGET_TEST_MAIN(SettingsOnSimulatorTest)

#include "test_settings_simline.moc"
