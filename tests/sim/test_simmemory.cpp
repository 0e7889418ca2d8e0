#include "sim/controller.h"

#include <QSet>
#include <QtTest>

using sim::ControllerConfig;
using sim::Model;
using sim::SystemVoltage;

Q_DECLARE_METATYPE(sim::Model)
Q_DECLARE_METATYPE(sim::SystemVoltage)
Q_DECLARE_METATYPE(sim::SettingsProfile)

namespace {

constexpr int Eeprom = 256;
constexpr int HistoryCode = 299;
constexpr int TodaysRecord = 301;
constexpr int FirstRecord = 302;

// The client's reading of the memory, written out from the documented decoding rather than
// from the simulator's own tables.
struct Reading {
    const sim::Controller& c;

    int at(int index) const { return c.imageByte(index); }
    int word(int low) const { return at(low) + 256 * at(low + 1); }

    QString modelName() const {
        const int id = at(0);
        if (id < 96 || (id >= 230 && id < 240) || id >= 250)
            return "VX20";
        if (id < 128)
            return "VXA";
        if (id < 192)
            return "VX40";
        if (id < 224 || id >= 240)
            return "VX60";
        return "VX80";
    }
    bool highVoltage() const { return at(0) >= 240 && at(0) <= 249; }
    int code() const { return highVoltage() ? 0 : at(93) & 7; }
    int numerator() const {
        static constexpr int numerators[] = {1, 2, 8, 3, 4, 1, 1, 1};
        return numerators[code()];
    }
    int denominator() const { return code() == 2 ? 3 : 1; }
    int scaled(int raw) const { return raw * numerator() / denominator(); }
    int batteryFactor() const {
        static constexpr int factors[] = {1, 2, 4, 4};
        return factors[(at(32) >> 4) & 3];
    }
    int batteryVoltage() const { return (at(221) + 150) * batteryFactor() / 2; }
    int chargeMultiplier() const {
        const QString model = modelName();
        return model == "VX40" ? 2 : model == "VX60" || model == "VX80" ? 4 : 1;
    }
    int externalCurrent(int address, int presentBit, int wholeAmpsBit) const {
        if (!(at(207) & presentBit))
            return 0;
        return at(address) * (at(207) & wholeAmpsBit ? 10 : 1);
    }
    int chargeCurrent() const { return at(213) * chargeMultiplier() + externalCurrent(205, 4, 1); }
    int loadCurrent() const {
        return at(217) * (chargeMultiplier() == 4 ? 2 : 1) + externalCurrent(206, 8, 2);
    }
    int record(int n, int offset) const { return at(FirstRecord + 7 * n + offset); }
    int recordIn(int n) const { return (record(n, 6) & 0x0F) * 256 + record(n, 4); }
    int recordOut(int n) const { return (record(n, 6) >> 4) * 256 + record(n, 5); }
};

ControllerConfig configFor(Model model, SystemVoltage system, quint32 seed = 1) {
    ControllerConfig config;
    config.model = model;
    config.system = system;
    config.seed = seed;
    return config;
}

// Copies in EEPROM of the settings and calibration RAM bytes: {RAM address, EEPROM address}.
QList<std::pair<int, int>> eepromCopies() {
    QList<std::pair<int, int>> copies{{33, 0},   {34, 1},   {35, 2},   {36, 3},  {214, 4},
                                      {215, 5},  {218, 6},  {219, 7},  {230, 8}, {231, 9},
                                      {234, 10}, {235, 11}, {238, 12}, {239, 13}};
    for (int ram = 64; ram <= 94; ++ram)
        copies.append({ram, ram - 50});
    return copies;
}

// What may change while the controller runs on its own.
const QSet<int> LiveAddresses{21,  37,  48,  52,  53,  181, 182, 183, 188, 189, 193,
                              194, 198, 199, 203, 204, 205, 206, 213, 217, 221};

} // namespace

class SimMemoryTest : public QObject {
    Q_OBJECT
private slots:
    void identityAndMeasurements_data();
    void identityAndMeasurements();
    void settingsAreKeptInEeprom_data();
    void settingsAreKeptInEeprom();
    void settingsAreWithinTheirLimits_data();
    void settingsAreWithinTheirLimits();
    void alternateSettingsDifferInTheProgrammedBlockOnly();
    void historyHoldsThirtyPlausibleDays();
    void historyTodayMatchesTodaysValues();
    void driftOffKeepsTheImage();
    void driftChangesLiveValuesSlowly_data();
    void driftChangesLiveValuesSlowly();
    void driftRepeatsWithTheSeed();
};

namespace {

void addModelsAndSystems() {
    QTest::addColumn<Model>("model");
    QTest::addColumn<SystemVoltage>("system");
    QTest::addColumn<int>("identity");
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nominal"); // volts

    QTest::newRow("VX20 12 V") << Model::VX20 << SystemVoltage::V12 << 3 << "VX20" << 0 << 12;
    QTest::newRow("VX40 12 V") << Model::VX40 << SystemVoltage::V12 << 131 << "VX40" << 0 << 12;
    QTest::newRow("VX60 12 V") << Model::VX60 << SystemVoltage::V12 << 195 << "VX60" << 0 << 12;
    QTest::newRow("VX80 12 V") << Model::VX80 << SystemVoltage::V12 << 227 << "VX80" << 0 << 12;
    QTest::newRow("VX40 24 V") << Model::VX40 << SystemVoltage::V24 << 131 << "VX40" << 1 << 24;
    QTest::newRow("VX60 32 V") << Model::VX60 << SystemVoltage::V32 << 195 << "VX60" << 2 << 32;
    QTest::newRow("VX80 36 V") << Model::VX80 << SystemVoltage::V36 << 227 << "VX80" << 3 << 36;
    QTest::newRow("VX20 48 V") << Model::VX20 << SystemVoltage::V48 << 3 << "VX20" << 4 << 48;
    QTest::newRow("high voltage") << Model::VX60 << SystemVoltage::HighVoltage << 242 << "VX60" << 0
                                  << 120;
    QTest::newRow("high voltage is a VX60")
        << Model::VX20 << SystemVoltage::HighVoltage << 242 << "VX60" << 0 << 120;
}

} // namespace

void SimMemoryTest::identityAndMeasurements_data() {
    addModelsAndSystems();
}

void SimMemoryTest::identityAndMeasurements() {
    QFETCH(Model, model);
    QFETCH(SystemVoltage, system);
    QFETCH(int, identity);
    QFETCH(QString, modelName);
    QFETCH(int, code);
    QFETCH(int, nominal);

    const sim::Controller controller(configFor(model, system));
    const Reading read{controller};
    QCOMPARE(read.at(0), identity);
    QCOMPARE(read.modelName(), modelName);
    QCOMPARE(read.at(93) & 7, code);

    // Tenths of a volt, whole volts on the high-voltage variant: between a flat and a
    // boosting battery either way.
    const int tenthsPerVolt = read.highVoltage() ? 1 : 10;
    const int voltage = read.batteryVoltage();
    QVERIFY2(voltage >= nominal * tenthsPerVolt * 11 / 12 &&
                 voltage <= nominal * tenthsPerVolt * 5 / 4,
             qPrintable(QString::number(voltage)));
    QVERIFY(read.scaled(read.at(183)) <= voltage);
    QVERIFY(read.scaled(read.at(182)) >= voltage);
    QVERIFY(read.scaled(read.at(182)) <= nominal * tenthsPerVolt * 5 / 4);

    QVERIFY(read.at(181) <= 100);
    QVERIFY(read.at(52) >= 5 && read.at(52) <= 45);
    QVERIFY(read.at(48) < 240);
    QVERIFY(read.at(184) <= read.at(48));
    QVERIFY(read.chargeCurrent() > read.loadCurrent());
    QVERIFY(read.loadCurrent() > 0);
    QVERIFY(read.chargeCurrent() <= 1000);
    QVERIFY(read.word(188) + read.word(193) > read.word(198) + read.word(203));
}

void SimMemoryTest::settingsAreKeptInEeprom_data() {
    addModelsAndSystems();
}

void SimMemoryTest::settingsAreKeptInEeprom() {
    QFETCH(Model, model);
    QFETCH(SystemVoltage, system);

    const sim::Controller controller(configFor(model, system));
    for (const auto& [ram, eeprom] : eepromCopies()) {
        if (controller.imageByte(ram) != controller.imageByte(Eeprom + eeprom))
            qWarning("RAM %d, EEPROM %d", ram, eeprom);
        QCOMPARE(controller.imageByte(Eeprom + eeprom), controller.imageByte(ram));
    }
    QCOMPARE(controller.imageByte(HistoryCode) & 7, controller.imageByte(93) & 7);
}

void SimMemoryTest::settingsAreWithinTheirLimits_data() {
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("chargeLimit");
    QTest::addColumn<sim::SettingsProfile>("profile");

    for (const auto profile : {sim::SettingsProfile::Factory, sim::SettingsProfile::Alternate}) {
        const char* name = profile == sim::SettingsProfile::Factory ? "factory" : "alternate";
        QTest::addRow("VX20 %s", name) << Model::VX20 << 40 << profile;
        QTest::addRow("VX40 %s", name) << Model::VX40 << 80 << profile;
        QTest::addRow("VX60 %s", name) << Model::VX60 << 120 << profile;
        QTest::addRow("VX80 %s", name) << Model::VX80 << 40 << profile;
    }
}

// A client that clamps entries to the limits must be able to write back what it reads.
void SimMemoryTest::settingsAreWithinTheirLimits() {
    QFETCH(Model, model);
    QFETCH(int, chargeLimit);
    QFETCH(sim::SettingsProfile, profile);

    ControllerConfig config = configFor(model, SystemVoltage::V12);
    config.settings = profile;
    const sim::Controller controller(config);
    const Reading read{controller};
    const QList<std::tuple<int, int, int>> limits{
        {64, 100, 125}, {65, 110, 165}, {66, 1, 15},    {67, 2, 60},          {68, 0, 40},
        {69, 100, 125}, {70, 110, 160}, {71, 0, 15},    {72, 100, 180},       {73, 1, 20},
        {74, 0, 40},    {75, 1, 10},    {76, 110, 130}, {77, 1, chargeLimit}, {78, 130, 160},
        {82, 20, 150},  {83, 0, 20},    {84, 135, 155}, {85, 140, 170},       {86, 135, 150},
        {87, 135, 165}, {94, 1, 240},   {48, 0, 239},   {96, 0, 60}};
    for (const auto& [address, low, high] : limits) {
        if (read.at(address) < low || read.at(address) > high)
            qWarning("RAM %d holds %d", address, read.at(address));
        QVERIFY(read.at(address) >= low && read.at(address) <= high);
    }
    // Float below absorption below boost below equalise, as a charger needs them.
    QVERIFY(read.at(86) < read.at(84) && read.at(84) <= read.at(87) && read.at(87) < read.at(85));
    // Nibble settings: program and system code, modes and functions.
    QVERIFY((read.at(93) >> 4) <= 4 && (read.at(93) & 15) <= 4);
    QVERIFY((read.at(88) & 15) <= 11 && (read.at(88) >> 4) <= 11);
    QVERIFY((read.at(89) >> 4) <= 2 && (read.at(89) & 15) <= 3);
    QVERIFY((read.at(91) & 15) <= 11 && (read.at(91) >> 4) <= 14);
    QVERIFY((read.at(92) >> 4) <= 8 && (read.at(92) & 15) <= 6);
}

// Sending the whole settings list from one profile to the other leaves nothing different.
void SimMemoryTest::alternateSettingsDifferInTheProgrammedBlockOnly() {
    ControllerConfig config = configFor(Model::VX40, SystemVoltage::V24);
    config.drift = false;
    const sim::Controller factory(config);
    config.settings = sim::SettingsProfile::Alternate;
    const sim::Controller alternate(config);
    const QSet<int> socAmpHours{113, 211}; // follow the battery capacity
    int changed = 0;
    for (int index = 0; index < sim::ControllerMemory::ImageSize; ++index) {
        const bool inBlock =
            (index >= 64 && index <= 94) || (index >= Eeprom + 14 && index <= Eeprom + 44);
        if (!inBlock && !socAmpHours.contains(index))
            QCOMPARE(alternate.imageByte(index), factory.imageByte(index));
        else if (alternate.imageByte(index) != factory.imageByte(index))
            ++changed;
    }
    QVERIFY2(changed >= 40, qPrintable(QString::number(changed)));
    QCOMPARE(alternate.imageByte(93), factory.imageByte(93)); // same system voltage
}

void SimMemoryTest::historyHoldsThirtyPlausibleDays() {
    QSet<int> todaysRecords;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        const sim::Controller controller(configFor(Model::VX60, SystemVoltage::V24, seed));
        const Reading read{controller};
        QVERIFY(read.at(TodaysRecord) <= 29);
        todaysRecords.insert(read.at(TodaysRecord));
        for (int n = 0; n < 30; ++n) {
            QVERIFY(read.record(n, 0) >= read.record(n, 1)); // maximum, minimum
            QVERIFY(read.scaled(read.record(n, 0)) <= 24 * 10 * 5 / 4);
            QVERIFY(read.scaled(read.record(n, 1)) >= 24 * 10 * 3 / 4);
            QVERIFY(read.record(n, 2) <= 240); // float time, tenths of an hour
            QVERIFY(read.record(n, 3) <= 100);
            QVERIFY(read.recordIn(n) > 0 && read.recordOut(n) > 0);
        }
    }
    QVERIFY2(todaysRecords.size() > 1, "today's record does not depend on the seed");
}

void SimMemoryTest::historyTodayMatchesTodaysValues() {
    const sim::Controller controller(configFor(Model::VX40, SystemVoltage::V48, 7));
    const Reading read{controller};
    const int today = read.at(TodaysRecord);
    QCOMPARE(read.record(today, 0), read.at(182));
    QCOMPARE(read.record(today, 1), read.at(183));
    QCOMPARE(read.record(today, 3), read.at(181));
    QCOMPARE(read.recordIn(today), read.word(188) + read.word(193));
    QCOMPARE(read.recordOut(today), read.word(198) + read.word(203));
}

void SimMemoryTest::driftOffKeepsTheImage() {
    ControllerConfig config;
    config.drift = false;
    sim::Controller controller(config);
    const QByteArray before = controller.image();
    for (int step = 0; step < 500; ++step)
        controller.driftStep();
    QCOMPARE(controller.image(), before);
}

void SimMemoryTest::driftChangesLiveValuesSlowly_data() {
    QTest::addColumn<SystemVoltage>("system");

    QTest::newRow("12 V") << SystemVoltage::V12;
    QTest::newRow("32 V") << SystemVoltage::V32;
    QTest::newRow("48 V") << SystemVoltage::V48;
    QTest::newRow("high voltage") << SystemVoltage::HighVoltage;
}

void SimMemoryTest::driftChangesLiveValuesSlowly() {
    QFETCH(SystemVoltage, system);

    sim::Controller controller(configFor(Model::VX40, system));
    const Reading read{controller};
    // Start from a day that has seen only this voltage, so that any move must widen the range.
    const int voltage = read.batteryVoltage();
    int lowest = 0;
    while (read.scaled(lowest + 1) <= voltage)
        ++lowest;
    int highest = 255;
    while (read.scaled(highest - 1) >= voltage)
        --highest;
    controller.setImageByte(183, quint8(lowest));
    controller.setImageByte(182, quint8(highest));
    const QByteArray start = controller.image();
    QSet<int> changedEver;
    for (int step = 0; step < 1000; ++step) {
        const QByteArray before = controller.image();
        controller.driftStep();
        const QByteArray after = controller.image();
        QSet<int> changed;
        for (int index = 0; index < after.size(); ++index) {
            if (before.at(index) != after.at(index))
                changed.insert(index);
        }
        QVERIFY(LiveAddresses.contains(changed));
        changedEver += changed;
        changed -= {182, 183};        // today's range follows the voltage
        QVERIFY(changed.size() <= 2); // an amp-hour counter is two bytes
        QVERIFY(read.scaled(read.at(183)) <= read.batteryVoltage());
        QVERIFY(read.scaled(read.at(182)) >= read.batteryVoltage());
        QVERIFY(read.at(181) <= 100);
    }
    QCOMPARE(controller.image().mid(Eeprom), start.mid(Eeprom));
    for (const int address : {21, 37, 48, 52, 53, 181, 182, 183, 205, 206, 213, 217, 221})
        QVERIFY2(changedEver.contains(address), qPrintable(QString::number(address)));
}

void SimMemoryTest::driftRepeatsWithTheSeed() {
    sim::Controller first(configFor(Model::VX40, SystemVoltage::V12, 5));
    sim::Controller second(configFor(Model::VX40, SystemVoltage::V12, 5));
    sim::Controller otherSeed(configFor(Model::VX40, SystemVoltage::V12, 6));
    for (int step = 0; step < 200; ++step) {
        first.driftStep();
        second.driftStep();
        otherSeed.driftStep();
    }
    QCOMPARE(first.image(), second.image());
    QVERIFY(first.image().left(Eeprom) != otherSeed.image().left(Eeprom));
}

#include "testmain.h"
TARVIK_TEST_MAIN(SimMemoryTest)

#include "test_simmemory.moc"
