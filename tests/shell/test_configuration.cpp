#include "memoryconfigstore.h"
#include "testmain.h"

#include "platform/portmap.h"
#include "platform/qt/qtconfigstore.h"
#include "shell/configmigration.h"
#include "shell/configurationio.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList writes(const QStringList& journal) {
    return journal.filter(QRegularExpression(QStringLiteral("^(write|remove) ")));
}

QStringList reads(const QStringList& journal) {
    return journal.filter(QRegularExpression(QStringLiteral("^read ")));
}

QStringList names(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines)
        out << line.section(QLatin1Char(' '), 1).section(QLatin1Char('='), 0, 0);
    return out;
}

QStringList phoneAndFontNames() {
    QStringList out;
    for (int row = 1; row <= 16; ++row)
        out << QStringLiteral("Phone List/id name %1").arg(row)
            << QStringLiteral("Phone List/phone number %1").arg(row);
    for (int language = 0; language < 4; ++language)
        out << QStringLiteral("Font/Lang %1 Name ").arg(language)
            << QStringLiteral("Font/Lang %1 Size ").arg(language);
    return out;
}

const QStringList SettingsNames{
    "Periodic Log Rate", "Baud Rate",          "Direct Port Number", "Modem Port Number",
    "Language Number",   "Voltage Multiplier", "Current Multiplier", "Current PhoneList Line",
    "Site Number",       "Dial String",        "Save File"};

QStringList prefixed(const QString& section, const QStringList& values) {
    QStringList out;
    for (const QString& value : values)
        out << section + QLatin1Char('/') + value;
    return out;
}

// A configuration in which every value differs from its default.
ShellConfiguration everythingChanged() {
    ShellConfiguration c;
    c.periodicLogRate = 12;
    c.baudIndex = 1;
    c.directPortNumber = 7;
    c.modemPortNumber = 9;
    c.languageIndex = 3;
    c.VoltageMultiplier = 8;
    c.CurrentMultiplier = 4;
    c.PhoneListLine = 5;
    c.siteNumber = 200;
    c.dialString = QStringLiteral("555 0100");
    c.SaveFileName = QStringLiteral("/home/op/site4.rtf");
    c.logNumber = QStringLiteral("555 0199");
    c.logFile = QStringLiteral("site4log");
    c.pathTimeDelay = 20;
    c.ModemSetString = QStringLiteral("&F");
    c.selectedTapiDevice = QStringLiteral("Line 2");
    c.save = SaveOptions{true, true, true, true, true, true, false, false, true, false};
    for (int row = 0; row < 16; ++row)
        c.phoneList[static_cast<size_t>(row)] = {QStringLiteral("Site %1").arg(row + 1),
                                                 QStringLiteral("0%1").arg(4000 + row)};
    c.fonts.LangFontName = {"Times", "Courier", "Noto Sans CJK SC", "Verdana"};
    c.fonts.LangFontSize = {8, 9, 14, 11};
    c.portDevices = {{1, QStringLiteral("/dev/ttyUSB0")},
                     {7, QStringLiteral("/dev/pts/4")},
                     {9, QStringLiteral("tcp://127.0.0.1:4001")}};
    return c;
}

} // namespace

class ConfigurationTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartGivesEveryDefault() {
        const MemoryConfigStore empty;
        const ShellConfiguration c = readConfiguration(empty);
        QCOMPARE(c.periodicLogRate, 2);
        QCOMPARE(c.baudIndex, 3);
        QCOMPARE(c.directPortNumber, 1);
        QCOMPARE(c.modemPortNumber, 3);
        QCOMPARE(c.languageIndex, 0);
        QCOMPARE(c.VoltageMultiplier, 4);
        QCOMPARE(c.CurrentMultiplier, 1);
        QCOMPARE(c.PhoneListLine, 1);
        QCOMPARE(c.siteNumber, 1);
        QCOMPARE(c.SaveFileName, QStringLiteral("SaveFile"));
        QCOMPARE(c.logFile, QStringLiteral("LogFile"));
        QCOMPARE(c.logNumber, c.dialString);
        QCOMPARE(c.pathTimeDelay, 2);
        QCOMPARE(c.ModemSetString, QStringLiteral("&K0&Q0&D0"));
        QVERIFY(c.selectedTapiDevice.isEmpty());
        QVERIFY(!c.save.currentData && !c.save.dayData && !c.save.settingsData &&
                !c.save.calibrationData && !c.save.sampleEnabled && !c.save.logDialUpEnabled &&
                !c.save.siteMode);
        QVERIFY(c.save.tapiSelection);
        QCOMPARE(c.fonts.LangFontName[2], QStringLiteral("UWPSTJ (GB)"));
        QCOMPARE(c.fonts.LangFontSize, (std::array<int, 4>{10, 10, 12, 10}));
        QVERIFY(c.portDevices.empty());
        const WindowOptions options = readWindowOptions(empty);
        QCOMPARE(options.MainFormLeft, 240);
        QCOMPARE(options.MainFormTop, 45);
        QCOMPARE(options.SingleCommandNumberKind, 0);
        QVERIFY(options.VerifyWrites);
        QVERIFY(!options.FastReplies);
    }

    void readsInTheProgramsOrder() {
        const MemoryConfigStore empty;
        readConfiguration(empty);
        QStringList expected = prefixed(QStringLiteral("Settings"), SettingsNames);
        expected << prefixed(QStringLiteral("Settings"),
                             {"Log Number", "Log File", "Path Time delay", "Modem Set String",
                              "Selected TAPI Device"});
        expected << prefixed(QStringLiteral("Save Options"),
                             {"Current Data", "Day Data", "Settings Data", "Calibration Data",
                              "Sample enabled", "Log Dial Up enabled", "Alarm Beep", "Alarm Dial",
                              "Site mode"});
        expected << phoneAndFontNames() << QStringLiteral("Save Options/Tapi selection");
        QCOMPARE(names(reads(empty.journal)), expected);
    }

    void closeWritesEveryValueInOrder() {
        MemoryConfigStore store;
        writeConfiguration(store, everythingChanged());
        QStringList expected = prefixed(QStringLiteral("Settings"), SettingsNames);
        // The log file goes before the log number, unlike the reading order.
        expected << prefixed(QStringLiteral("Settings"),
                             {"Log File", "Log Number", "Path Time delay", "Modem Set String",
                              "Selected TAPI Device"});
        expected << prefixed(QStringLiteral("Save Options"),
                             {"Current Data", "Day Data", "Settings Data", "Calibration Data",
                              "Sample enabled", "Log Dial Up enabled", "Tapi selection",
                              "Site mode"});
        expected << phoneAndFontNames() << QStringLiteral("Ports/COM1")
                 << QStringLiteral("Ports/COM7") << QStringLiteral("Ports/COM9");
        QCOMPARE(names(writes(store.journal)), expected);
        QCOMPARE(store.value(QStringLiteral("Settings"), QStringLiteral("Baud Rate")),
                 QVariant(QStringLiteral("1")));
        QCOMPARE(store.value(QStringLiteral("Save Options"), QStringLiteral("Tapi selection")),
                 QVariant(QStringLiteral("0")));
        QCOMPARE(store.value(QStringLiteral("Font"), QStringLiteral("Lang 3 Name ")),
                 QVariant(QStringLiteral("Verdana")));
        QVERIFY(store.flushes > 0);
    }

    void secondStartRestoresWhatTheFirstWrote() {
        MemoryConfigStore store;
        const ShellConfiguration first = everythingChanged();
        writeConfiguration(store, first);
        const QStringList firstWrites = writes(store.journal);
        const ShellConfiguration second = readConfiguration(store);
        MemoryConfigStore again;
        writeConfiguration(again, second);
        QCOMPARE(writes(again.journal), firstWrites);
        QCOMPARE(second.languageIndex, 3);
        QCOMPARE(second.fonts.LangFontName[2], QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(second.phoneList[15].number, QStringLiteral("04015"));
        QCOMPARE(second.portDevices.at(7), QStringLiteral("/dev/pts/4"));
        QCOMPARE(second.portDevices.at(9), QStringLiteral("tcp://127.0.0.1:4001"));
    }

    void alarmFlagsAreNeverWritten() {
        MemoryConfigStore store;
        store.writeString(QStringLiteral("Save Options"), QStringLiteral("Alarm Beep"),
                          QStringLiteral("1"));
        const ShellConfiguration c = readConfiguration(store);
        QVERIFY(c.save.alarmBeep);
        store.journal.clear();
        writeConfiguration(store, c);
        QVERIFY(!store.journal.join(QLatin1Char('\n')).contains(QStringLiteral("Alarm")));
        QCOMPARE(store.value(QStringLiteral("Save Options"), QStringLiteral("Alarm Beep")),
                 QVariant(QStringLiteral("1")));
    }

    void badStoredValuesFallBackToDefaults_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* tag, const char* section, const char* name,
                            const char* stored, const char* field, int expected) {
            QTest::newRow(tag) << QString(section) << QString(name) << QString(stored)
                               << QString(field) << expected;
        };
        const char* s = "Settings";
        row("baud as text", s, "Baud Rate", "abc", "baud", 3);
        row("baud above the list", s, "Baud Rate", "7", "baud", 3);
        row("baud below the list", s, "Baud Rate", "-1", "baud", 3);
        row("baud with blanks", s, "Baud Rate", " 2 ", "baud", 2);
        row("language 9", s, "Language Number", "9", "language", 0);
        row("stored French stays", s, "Language Number", "1", "language", 1);
        row("direct port 0", s, "Direct Port Number", "0", "direct", 1);
        row("direct port 255", s, "Direct Port Number", "255", "direct", 1);
        row("direct port 254", s, "Direct Port Number", "254", "direct", 254);
        row("modem port as text", s, "Modem Port Number", "COM4", "modem", 3);
        row("site 241", s, "Site Number", "241", "site", 1);
        row("site 0", s, "Site Number", "0", "site", 0);
        row("path delay 1", s, "Path Time delay", "1", "delay", 2);
        row("log rate 49", s, "Periodic Log Rate", "49", "rate", 2);
        row("font size as text", "Font", "Lang 2 Size ", "big", "chineseSize", 12);
        row("font size 0", "Font", "Lang 2 Size ", "0", "chineseSize", 12);
        row("empty font name", "Font", "Lang 0 Name ", "", "englishFace", 1);
        row("flag as text", "Save Options", "Tapi selection", "yes", "tapi", 1);
        row("flag any non-zero", "Save Options", "Site mode", "5", "siteMode", 1);
        row("flag zero", "Save Options", "Tapi selection", "0", "tapi", 0);
    }

    void badStoredValuesFallBackToDefaults() {
        QFETCH(QString, section);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, field);
        QFETCH(int, expected);
        MemoryConfigStore store;
        store.writeString(section, name, stored);
        const ShellConfiguration c = readConfiguration(store);
        const std::map<QString, int> fields{
            {"baud", c.baudIndex},
            {"language", c.languageIndex},
            {"direct", c.directPortNumber},
            {"modem", c.modemPortNumber},
            {"site", c.siteNumber},
            {"delay", c.pathTimeDelay},
            {"rate", c.periodicLogRate},
            {"chineseSize", c.fonts.LangFontSize[2]},
            {"englishFace", c.fonts.LangFontName[0] == QStringLiteral("Arial") ? 1 : 0},
            {"tapi", c.save.tapiSelection ? 1 : 0},
            {"siteMode", c.save.siteMode ? 1 : 0}};
        QCOMPARE(fields.at(field), expected);
    }

    void portDevicesKeepOnlyWhatIsMapped() {
        MemoryConfigStore store;
        store.writeString(QStringLiteral("Ports"), QStringLiteral("COM5"),
                          QStringLiteral("/dev/ttyUSB0"));
        store.writeString(QStringLiteral("Ports"), QStringLiteral("COM999"),
                          QStringLiteral("/dev/x"));
        store.writeString(QStringLiteral("Ports"), QStringLiteral("printer"),
                          QStringLiteral("/dev/lp0"));
        ShellConfiguration c = readConfiguration(store);
        QCOMPARE(c.portDevices.size(), size_t(1));
        QCOMPARE(c.portDevices.at(5), QStringLiteral("/dev/ttyUSB0"));
        c.portDevices = {{2, QStringLiteral("/dev/ttyACM0")}};
        writeConfiguration(store, c);
        QCOMPARE(store.valueNames(QStringLiteral("Ports")), QStringList{QStringLiteral("COM2")});
    }

    void runDeviceIsNeverStored() {
        PortMap ports;
        ports.setDevice(1, QStringLiteral("/dev/ttyUSB0"));
        ports.setRunDevice(1, QStringLiteral("/dev/pts/9"));
        QCOMPARE(ports.deviceFor(1), QStringLiteral("/dev/pts/9"));
        QCOMPARE(ports.customDevices().at(1), QStringLiteral("/dev/ttyUSB0"));
        ports.setDevice(1, QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(ports.deviceFor(1), QStringLiteral("/dev/ttyACM0"));
    }

    void optionsAreIntegersOfTheirOwn() {
        MemoryConfigStore store;
        store.writeString(QStringLiteral("Options"), QStringLiteral("MainFormLeft"),
                          QStringLiteral("300"));
        store.writeInteger(QStringLiteral("Options"), QStringLiteral("MainFormTop"), 120);
        store.writeInteger(QStringLiteral("Options"), QStringLiteral("SingleCommandNumberKind"), 5);
        store.writeInteger(QStringLiteral("Options"), QStringLiteral("Verify writes"), 0);
        store.writeInteger(QStringLiteral("Options"), QStringLiteral("Fast replies"), 1);
        const WindowOptions read = readWindowOptions(store);
        QCOMPARE(read.MainFormLeft, 240); // text where an integer belongs
        QCOMPARE(read.MainFormTop, 120);
        QCOMPARE(read.SingleCommandNumberKind, 0);
        QVERIFY(!read.VerifyWrites);
        QVERIFY(read.FastReplies);
        store.journal.clear();
        writeWindowOptions(store, {10, 20, 1, true, false});
        QCOMPARE(writes(store.journal),
                 (QStringList{"write Options/SingleCommandNumberKind=1",
                              "write Options/MainFormLeft=10", "write Options/MainFormTop=20",
                              "write Options/Verify writes=1", "write Options/Fast replies=0"}));
        QCOMPARE(store.value(QStringLiteral("Options"), QStringLiteral("MainFormLeft")).typeId(),
                 int(QMetaType::Int));
    }

    void oldKeyMovesOnceWhileTheNewKeyIsMissing() {
        MemoryConfigStore tree;
        tree.put(QStringLiteral("software/tarvik"), QStringLiteral("Loose Value"),
                 QStringLiteral("x"));
        tree.put(QStringLiteral("software/tarvik\\Settings"), QStringLiteral("Baud Rate"),
                 QStringLiteral("1"));
        tree.put(QStringLiteral("software/tarvik\\Font"), QStringLiteral("Lang 0 Name "),
                 QStringLiteral("Times"));
        tree.put(QStringLiteral("software/tarvik\\Font\\Extra"), QStringLiteral("Deep"),
                 QStringLiteral("y"));
        tree.put(QStringLiteral("software/tarvik\\Unknown"), QStringLiteral("Other"),
                 QStringLiteral("z"));
        MigrateOldSettings(tree);
        const QString base = QStringLiteral("Software\\Quellon\\TARVIK");
        QCOMPARE(tree.get(base + "\\Settings", QStringLiteral("Baud Rate")),
                 QVariant(QStringLiteral("1")));
        QCOMPARE(tree.get(base + "\\Font", QStringLiteral("Lang 0 Name ")),
                 QVariant(QStringLiteral("Times")));
        QCOMPARE(tree.get(base + "\\Font\\Extra", QStringLiteral("Deep")),
                 QVariant(QStringLiteral("y")));
        QVERIFY(!tree.keyExists(base + "\\Unknown"));
        QVERIFY(!tree.get(base, QStringLiteral("Loose Value")).isValid());
        QVERIFY(tree.keyExists(QStringLiteral("software/tarvik\\Settings")));
        QCOMPARE(readConfiguration(tree).baudIndex, 1);

        // A second start finds the new key and copies nothing, even what changed in the old one.
        tree.put(QStringLiteral("software/tarvik\\Settings"), QStringLiteral("Baud Rate"),
                 QStringLiteral("0"));
        MigrateOldSettings(tree);
        QCOMPARE(tree.get(base + "\\Settings", QStringLiteral("Baud Rate")),
                 QVariant(QStringLiteral("1")));
    }

    void noOldKeyMeansNothingToMove() {
        MemoryConfigStore tree;
        MigrateOldSettings(tree);
        QVERIFY(!tree.keyExists(QStringLiteral("Software\\Quellon\\TARVIK")));
    }

    void qtStoreKeepsNamesWithTrailingBlanksAndItsKinds() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("TARVIK.conf"));
        {
            QtConfigStore store(file);
            writeConfiguration(store, everythingChanged());
            writeWindowOptions(store, {33, 44, 1});
            store.writeString(QStringLiteral("Options"), QStringLiteral("Text"),
                              QStringLiteral("abc"));
        }
        const QtConfigStore store(file);
        const ShellConfiguration c = readConfiguration(store);
        QCOMPARE(c.fonts.LangFontName[3], QStringLiteral("Verdana"));
        QCOMPARE(c.fonts.LangFontSize[3], 11);
        QCOMPARE(c.portDevices.at(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(c.phoneList[0].name, QStringLiteral("Site 1"));
        QCOMPARE(readWindowOptions(store).MainFormTop, 44);
        QVERIFY(!store.readInteger(QStringLiteral("Options"), QStringLiteral("Text")));
    }
};

TARVIK_TEST_MAIN(ConfigurationTest)
#include "test_configuration.moc"
