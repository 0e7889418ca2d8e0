#include "testmain.h"

#include "data/currentstate.h"

#include <QTest>

namespace {

struct Byte {
    int address;
    int value;
};
using Bytes = QList<Byte>;

CurrentState decoded(const Bytes& bytes) {
    MemoryImage image;
    for (const auto& [address, value] : bytes)
        image.store(address, static_cast<std::uint8_t>(value));
    ControllerIdentity identity;
    return decodeCurrentState(image, identity);
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

// The readings as numbers with their units, before any text is made of them.
class CurrentStateValuesTest : public QObject {
    Q_OBJECT
private slots:
    void voltagesKeepTheirSystemsResolution_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<double>("battery");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<bool>("whole");
        // 221 with the factor of 32's bits 4..5; 183 and 182 with the system's scale.
        QTest::newRow("12 V") << Bytes{{221, 100}, {183, 120}, {182, 143}} << 12.5 << 12.0 << 14.3
                              << false;
        QTest::newRow("24 V, factor 2")
            << Bytes{{93, 1}, {32, 0x10}, {221, 100}, {183, 120}, {182, 143}} << 25.0 << 24.0
            << 28.6 << false;
        QTest::newRow("32 V truncates the thirds")
            << Bytes{{93, 2}, {32, 0x20}, {221, 10}, {183, 100}, {182, 121}} << 32.0 << 26.6 << 32.2
            << false;
        QTest::newRow("48 V, factor 4 from bits 11")
            << Bytes{{93, 4}, {32, 0x30}, {221, 100}, {183, 114}, {182, 143}} << 50.0 << 45.6
            << 57.2 << false;
        QTest::newRow("96 V in whole volts")
            << Bytes{{93, 5}, {221, 50}, {183, 95}, {182, 110}} << 100.0 << 95.0 << 110.0 << true;
        QTest::newRow("120 V variant ignores the code")
            << Bytes{{0, 242}, {93, 4}, {221, 106}, {183, 120}, {182, 143}} << 128.0 << 120.0
            << 143.0 << true;
        QTest::newRow("136 V variant") << Bytes{{0, 249}, {221, 130}, {183, 130}, {182, 160}}
                                       << 140.0 << 130.0 << 160.0 << true;
    }
    void voltagesKeepTheirSystemsResolution() {
        QFETCH(Bytes, bytes);
        QFETCH(double, battery);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(bool, whole);
        const CurrentState s = decoded(bytes);
        QCOMPARE(s.battery.volts(), battery);
        QCOMPARE(s.todaysMinimum.volts(), minimum);
        QCOMPARE(s.todaysMaximum.volts(), maximum);
        QCOMPARE(s.battery.whole, whole);
        QCOMPARE(s.todaysMinimum.whole, whole);
    }

    void currentsFollowTheModelAndTheShunts_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<double>("chargeInternal");
        QTest::addColumn<double>("chargeExternal");
        QTest::addColumn<double>("loadInternal");
        QTest::addColumn<double>("loadExternal");
        const Bytes raw{{213, 50}, {205, 12}, {217, 30}, {206, 7}};
        QTest::newRow("VX20, no shunts") << raw << 5.0 << 0.0 << 3.0 << 0.0;
        QTest::newRow("VX40, both shunts in tenths")
            << raw + Bytes{{0, 130}, {207, 0x0C}} << 10.0 << 1.2 << 3.0 << 0.7;
        QTest::newRow("VX60, charge shunt in whole amps")
            << raw + Bytes{{0, 200}, {207, 0x0D}} << 20.0 << 12.0 << 6.0 << 0.7;
        QTest::newRow("VX80, load shunt in whole amps")
            << raw + Bytes{{0, 227}, {207, 0x0E}} << 20.0 << 1.2 << 6.0 << 7.0;
        QTest::newRow("whole-amp bits without shunts count nothing")
            << raw + Bytes{{207, 0x03}} << 5.0 << 0.0 << 3.0 << 0.0;
    }
    void currentsFollowTheModelAndTheShunts() {
        QFETCH(Bytes, bytes);
        QFETCH(double, chargeInternal);
        QFETCH(double, chargeExternal);
        QFETCH(double, loadInternal);
        QFETCH(double, loadExternal);
        const CurrentState s = decoded(bytes);
        QCOMPARE(s.chargeCurrent.internal.amps(), chargeInternal);
        QCOMPARE(s.chargeCurrent.external.amps(), chargeExternal);
        QCOMPARE(s.chargeCurrent.total().amps(), chargeInternal + chargeExternal);
        QCOMPARE(s.loadCurrent.internal.amps(), loadInternal);
        QCOMPARE(s.loadCurrent.external.amps(), loadExternal);
        QCOMPARE(s.loadCurrent.total().amps(), loadInternal + loadExternal);
    }

    void ampHoursAreSixteenBitCounts() {
        const CurrentState s =
            decoded({{188, 44}, {189, 1}, {193, 0xFF}, {194, 0xFF}, {198, 5}, {203, 0}, {204, 2}});
        QCOMPARE(s.chargeAmpHours.internal, 300);
        QCOMPARE(s.chargeAmpHours.external, 65535);
        QCOMPARE(s.chargeAmpHours.total(), 65835);
        QCOMPARE(s.loadAmpHours.internal, 5);
        QCOMPARE(s.loadAmpHours.external, 512);
    }

    void statusValues_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<double>("clock");
        QTest::addColumn<double>("floatStart");
        QTest::addColumn<int>("pwm");
        QTest::addColumn<double>("solar");
        QTest::newRow("12 V: solar in half volts")
            << Bytes{{48, 134}, {184, 118}, {21, 255}, {53, 37}} << 13.4 << 11.8 << 99 << 18.5;
        QTest::newRow("96 V: solar in whole volts")
            << Bytes{{93, 5}, {48, 0}, {21, 128}, {53, 185}} << 0.0 << 0.0 << 50 << 185.0;
        QTest::newRow("120 V variant: solar in whole volts")
            << Bytes{{0, 242}, {48, 239}, {21, 0}, {53, 185}} << 23.9 << 0.0 << 0 << 185.0;
    }
    void statusValues() {
        QFETCH(Bytes, bytes);
        QFETCH(double, clock);
        QFETCH(double, floatStart);
        QFETCH(int, pwm);
        QFETCH(double, solar);
        const CurrentState s = decoded(bytes);
        QCOMPARE(s.clock.hours(), clock);
        QCOMPARE(s.floatStart.hours(), floatStart);
        QCOMPARE(s.pwmPercent, pwm);
        QCOMPARE(s.solar.volts(), solar);
    }

    void flagsAndCounters() {
        const CurrentState s = decoded({{101, 0xFE},
                                        {115, 0x15},
                                        {37, 0x85},
                                        {98, 0x09},
                                        {63, 4},
                                        {95, 12},
                                        {96, 200},
                                        {181, 87},
                                        {52, 250}});
        QCOMPARE(s.regulation, RegulationState::Absorption);
        QVERIFY(s.loadDisconnected);
        QVERIFY(!s.generatorRunning);
        QVERIFY(s.eventControllerOn);
        QVERIFY(s.lowVoltageAlarm);
        QVERIFY(s.night);
        QCOMPARE(s.dayNightCounter, 133);
        // A set bit means the condition does not hold: bit 0 Start, bit 3 Stop.
        QVERIFY(!s.events.start);
        QVERIFY(!s.events.stop);
        QVERIFY(s.events.emod);
        QVERIFY(s.events.tmod);
        QCOMPARE(s.daysSinceBoost, 4);
        QCOMPARE(s.daysSinceEqualise, 12);
        QCOMPARE(s.daysSinceGeneratorRun, 200);
        QCOMPARE(s.stateOfChargePercent, 87);
        QCOMPARE(s.temperatureCelsius, 250);
    }
};

TARVIK_TEST_MAIN(CurrentStateValuesTest)

#include "test_currentstate.moc"
