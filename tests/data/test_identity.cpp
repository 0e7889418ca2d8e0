#include "testmain.h"

#include "data/currentstatelabels.h"
#include "data/identity.h"
#include "data/tenths.h"

#include <QTest>

namespace {
MemoryImage imageWith(std::initializer_list<std::pair<int, int>> bytes) {
    MemoryImage image;
    for (const auto& [address, value] : bytes)
        image.store(address, static_cast<std::uint8_t>(value));
    return image;
}

CurrentStateTexts decodeTexts(const MemoryImage& image, ControllerIdentity& identity,
                              int language) {
    return currentStateTexts(decodeCurrentState(image, identity), language);
}
} // namespace

class IdentityTest : public QObject {
    Q_OBJECT
private slots:
    void modelFromByteZero_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<QString>("modelText");
        QTest::addColumn<int>("chargeMultiplier");
        QTest::addColumn<int>("loadMultiplier");
        QTest::newRow("0") << 0 << "VX20 v0" << 1 << 1;
        QTest::newRow("95") << 95 << "VX20 v31" << 1 << 1;
        QTest::newRow("96 alarm unit") << 96 << "VXA v1" << 1 << 7;
        QTest::newRow("130") << 130 << "VX40 v2" << 2 << 1;
        QTest::newRow("200") << 200 << "VX60 v8" << 4 << 2;
        QTest::newRow("225") << 225 << "VX80 v1" << 4 << 2;
        QTest::newRow("230") << 230 << "VX20 v6" << 1 << 1;
        QTest::newRow("240") << 240 << "VX60 v1" << 4 << 2;
        QTest::newRow("248") << 248 << "VX60 v9" << 4 << 2;
        QTest::newRow("249") << 249 << "VX60 v1" << 4 << 2;
        QTest::newRow("255") << 255 << "VX20 v31" << 1 << 1;
    }
    void modelFromByteZero() {
        QFETCH(int, byte0);
        QFETCH(QString, modelText);
        QFETCH(int, chargeMultiplier);
        QFETCH(int, loadMultiplier);
        ControllerIdentity identity;
        identity.loadCurrentMultiplier = 7; // the alarm unit leaves it alone
        identity.decode(imageWith({{0, byte0}}));
        QCOMPARE(identity.ModelText, modelText);
        QCOMPARE(identity.chargeCurrentMultiplier, chargeMultiplier);
        QCOMPARE(identity.loadCurrentMultiplier, loadMultiplier);
    }

    void alarmUnitVariantFlag() {
        ControllerIdentity identity;
        identity.decode(imageWith({{0, 110}}));
        QCOMPARE(identity.AlarmUnitVariant, 1);
        identity.decode(imageWith({{0, 130}}));
        QCOMPARE(identity.AlarmUnitVariant, 1); // outside the range it keeps its value
        identity.decode(imageWith({{0, 96}}));
        QCOMPARE(identity.AlarmUnitVariant, 0);
    }

    void systemVoltage_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<int>("code93");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<bool>("whole");
        QTest::newRow("12V") << 3 << 0 << "12V" << 1 << 1 << false;
        QTest::newRow("24V") << 3 << 1 << "24V" << 2 << 1 << false;
        QTest::newRow("32V") << 3 << 2 << "32V" << 8 << 3 << false;
        QTest::newRow("36V") << 3 << 3 << "36V" << 3 << 1 << false;
        QTest::newRow("48V upper bits ignored") << 3 << 0xF4 << "48V" << 4 << 1 << false;
        QTest::newRow("code 5") << 3 << 0x0D << "96V" << 1 << 1 << true;
        QTest::newRow("code 7") << 3 << 7 << "96V" << 1 << 1 << true;
        QTest::newRow("high voltage 120") << 245 << 4 << "120V" << 1 << 1 << true;
        QTest::newRow("249 is 136") << 249 << 2 << "136" << 1 << 1 << true;
    }
    void systemVoltage() {
        QFETCH(int, byte0);
        QFETCH(int, code93);
        QFETCH(QString, nominal);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(bool, whole);
        ControllerIdentity identity;
        identity.decode(imageWith({{0, byte0}, {93, code93}}));
        QCOMPARE(nominalVoltageText(identity.SystemVoltageIndex), nominal);
        QCOMPARE(identity.VoltageScaleNumerator, numerator);
        QCOMPARE(identity.VoltageScaleDenominator, denominator);
        QCOMPARE(identity.wholeVoltSystem(), whole);
    }

    void batteryVoltageUsesItsOwnFactor_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("bits32");
        QTest::addColumn<int>("tenths");
        QTest::newRow("factor 1") << 100 << 0x00 << 125;
        QTest::newRow("factor 2") << 100 << 0x10 << 250;
        QTest::newRow("factor 4 (10)") << 100 << 0x20 << 500;
        QTest::newRow("factor 4 (11)") << 100 << 0x3F << 500;
        QTest::newRow("zero image") << 0 << 0 << 75;
    }
    void batteryVoltageUsesItsOwnFactor() {
        QFETCH(int, raw);
        QFETCH(int, bits32);
        QFETCH(int, tenths);
        QCOMPARE(batteryVoltage(imageWith({{221, raw}, {32, bits32}})), tenths);
    }
};

class TenthsTest : public QObject {
    Q_OBJECT
private slots:
    void formatters_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<QString>("uncapped");
        QTest::addColumn<QString>("current");
        QTest::newRow("127") << 127 << "12.7"
                             << "12.7"
                             << "12.7";
        QTest::newRow("5") << 5 << "0.5"
                           << "0.5"
                           << "0.5";
        QTest::newRow("0") << 0 << "0.0"
                           << "0.0"
                           << "0.0";
        QTest::newRow("999") << 999 << "99.9"
                             << "99.9"
                             << "99.9";
        QTest::newRow("1000") << 1000 << "100.0"
                              << "100.0"
                              << "100";
        QTest::newRow("9999") << 9999 << "999.9"
                              << "999.9"
                              << "999";
        QTest::newRow("10000 caps") << 10000 << "99.9"
                                    << "1000.0"
                                    << "1000";
    }
    void formatters() {
        QFETCH(int, value);
        QFETCH(QString, tenths);
        QFETCH(QString, uncapped);
        QFETCH(QString, current);
        QCOMPARE(formatTenths(value), tenths);
        QCOMPARE(formatTenthsUncapped(value), uncapped);
        QCOMPARE(formatCurrent(value), current);
    }
    void voltageTextFollowsTheSystem() {
        QCOMPARE(formatVoltage(125, false), QStringLiteral("12.5"));
        QCOMPARE(formatVoltage(125, true), QStringLiteral("125"));
    }
};

class CurrentStateDecodeTest : public QObject {
    Q_OBJECT
private slots:
    void zeroImage() {
        ControllerIdentity identity;
        const auto t = decodeTexts(MemoryImage{}, identity, 0);
        QCOMPARE(t.Typelab, QStringLiteral("VX20 v0"));
        QCOMPARE(t.nomvlab, QStringLiteral("12V"));
        QCOMPARE(t.Statelab, QStringLiteral("BOOST"));
        QCOMPARE(t.batvlab, QStringLiteral("7.5V"));
        QCOMPARE(t.maxminlab, QStringLiteral("0.0<V<0.0"));
        QCOMPARE(t.soclab, QStringLiteral("SOC  0%"));
        QCOMPARE(t.templab, QStringLiteral("0 oC"));
        QCOMPARE(t.statusValues[10], QStringLiteral("Day"));
        QCOMPARE(t.statusValues[12], QStringLiteral("Off"));
        for (int row = 13; row <= 16; ++row)
            QCOMPARE(t.statusValues[size_t(row)], QStringLiteral("On"));
        QCOMPARE(t.statusValues[0], QStringLiteral("0.0 Hours"));
        QCOMPARE(t.Chargelab, QStringLiteral("Current In 0.0 A"));
        QCOMPARE(t.Chargelab2, QStringLiteral("Int 0.0  Ext 0.0"));
        QCOMPARE(t.lamphrlab2, QStringLiteral("Int 0   Ext 0"));
    }

    void voltagesPerSystem_data() {
        QTest::addColumn<int>("code93");
        QTest::addColumn<int>("bits32");
        QTest::addColumn<int>("raw221");
        QTest::addColumn<int>("raw182");
        QTest::addColumn<int>("raw183");
        QTest::addColumn<QString>("battery");
        QTest::addColumn<QString>("range");
        QTest::newRow("12V") << 0 << 0x00 << 100 << 143 << 120 << "12.5V"
                             << "12.0<V<14.3";
        QTest::newRow("48V") << 4 << 0x20 << 100 << 143 << 114 << "50.0V"
                             << "45.6<V<57.2";
        QTest::newRow("32V") << 2 << 0x20 << 10 << 120 << 100 << "32.0V"
                             << "26.6<V<32.0";
        QTest::newRow("96V whole volts") << 5 << 0x00 << 50 << 110 << 95 << "100V"
                                         << "95<V<110";
    }
    void voltagesPerSystem() {
        QFETCH(int, code93);
        QFETCH(int, bits32);
        QFETCH(int, raw221);
        QFETCH(int, raw182);
        QFETCH(int, raw183);
        QFETCH(QString, battery);
        QFETCH(QString, range);
        ControllerIdentity identity;
        const auto t = decodeTexts(
            imageWith({{93, code93}, {32, bits32}, {221, raw221}, {182, raw182}, {183, raw183}}),
            identity, 0);
        QCOMPARE(t.batvlab, battery);
        QCOMPARE(t.maxminlab, range);
    }

    void externalShunts_data() {
        QTest::addColumn<int>("config207");
        QTest::addColumn<QString>("external");
        QTest::newRow("shunt in whole amps") << 0x05 << "Ext 12.0";
        QTest::newRow("shunt in tenths") << 0x04 << "Ext 1.2";
        QTest::newRow("no shunt") << 0x01 << "Ext 0.0";
    }
    void externalShunts() {
        QFETCH(int, config207);
        QFETCH(QString, external);
        ControllerIdentity identity;
        const auto t = decodeTexts(imageWith({{207, config207}, {205, 12}}), identity, 0);
        QCOMPARE(t.CurrentValueTexts.at(2), external);
    }

    void summaryLinesAndValueTexts() {
        ControllerIdentity identity;
        // VX40: charge multiplier 2; external charge 245 tenths; charge Ah 300 + 2; load Ah 5 + 1.
        const auto t = decodeTexts(imageWith({{0, 130},
                                              {213, 200},
                                              {207, 0x04},
                                              {205, 245},
                                              {188, 44},
                                              {189, 1},
                                              {193, 2},
                                              {198, 5},
                                              {203, 1},
                                              {217, 30}}),
                                   identity, 0);
        QCOMPARE(t.CurrentSummaryLines.size(), 4);
        QCOMPARE(t.CurrentSummaryLines.at(0),
                 QStringLiteral("Current In \t64.5A\tInt 40.0\tExt 24.5"));
        QCOMPARE(t.CurrentSummaryLines.at(1),
                 QStringLiteral("Current Out \t3.0A\tInt 3.0\tExt 0.0"));
        QCOMPARE(t.CurrentSummaryLines.at(2), QStringLiteral("Charge \t302Ah\tInt 300\tExt 2"));
        QCOMPARE(t.CurrentSummaryLines.at(3), QStringLiteral("Discharge \t6Ah\tInt 5\tExt 1"));
        QCOMPARE(t.CurrentValueTexts,
                 QStringList({"64.5", "Int 40.0", "Ext 24.5", "3.0", "Int 3.0", "Ext 0.0", "302",
                              "Int 300", "Ext 2", "6", "Int 5", "Ext 1"}));
        QCOMPARE(t.Camphrlab, QStringLiteral("Charge 302 Ah"));
        QCOMPARE(t.camphrlab2, QStringLiteral("Int 300  Ext 2"));
    }

    void largeCurrentsShowWholeAmpsExceptInternal() {
        ControllerIdentity identity;
        // VX60: charge multiplier 4; internal 250 x 4 = 1000 tenths; external 200 whole amps.
        const auto t =
            decodeTexts(imageWith({{0, 200}, {213, 250}, {207, 0x05}, {205, 200}}), identity, 0);
        QCOMPARE(t.Chargelab2, QStringLiteral("Int 100.0  Ext 200"));
        QCOMPARE(t.Chargelab, QStringLiteral("Current In 300 A"));
    }

    void statusTable_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("night") << 37 << 0x85 << 11 << "Night";
        QTest::newRow("day/night counter") << 37 << 0x85 << 12 << "133";
        QTest::newRow("pwm 255") << 21 << 255 << 9 << "99 %";
        QTest::newRow("solar") << 53 << 40 << 10 << "20.0 V";
        QTest::newRow("float time") << 184 << 125 << 2 << "12.5 Hours";
        QTest::newRow("load disconnected") << 115 << 0x01 << 3 << "Disconnected";
        QTest::newRow("generator running") << 115 << 0x02 << 4 << "Running";
        QTest::newRow("alarm active") << 115 << 0x10 << 5 << "Active";
        QTest::newRow("event controller on") << 115 << 0x04 << 13 << "On";
        QTest::newRow("stop condition off") << 98 << 0x08 << 15 << "Off";
        QTest::newRow("tmod off") << 98 << 0x02 << 17 << "Off";
        QTest::newRow("days since boost") << 63 << 4 << 6 << "4";
    }
    void statusTable() {
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(int, row);
        QFETCH(QString, text);
        ControllerIdentity identity;
        const auto t = decodeTexts(imageWith({{address, value}}), identity, 0);
        QCOMPARE(t.statusValues[size_t(row - 1)], text);
    }

    void solarRowFollowsTheSystem_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<int>("code93");
        QTest::addColumn<int>("raw53");
        QTest::addColumn<QString>("text");
        QTest::newRow("12 V: half volts") << 130 << 0 << 37 << "18.5 V";
        QTest::newRow("48 V: half volts") << 130 << 4 << 148 << "74.0 V";
        QTest::newRow("96 V: whole volts") << 130 << 5 << 185 << "185 V";
        QTest::newRow("120 V variant: whole volts") << 242 << 0 << 185 << "185 V";
        QTest::newRow("136 V variant: whole volts") << 249 << 0 << 255 << "255 V";
    }
    void solarRowFollowsTheSystem() {
        QFETCH(int, byte0);
        QFETCH(int, code93);
        QFETCH(int, raw53);
        QFETCH(QString, text);
        ControllerIdentity identity;
        const auto t = decodeTexts(imageWith({{0, byte0}, {93, code93}, {53, raw53}}), identity, 0);
        QCOMPARE(t.statusValues[9], text);
    }

    void textsFollowTheLanguage() {
        ControllerIdentity identity;
        const auto german = decodeTexts(imageWith({{101, 3}, {37, 0x80}}), identity, 3);
        QCOMPARE(german.Statelab, QStringLiteral("ERHALTUNGSLADUNG"));
        QCOMPARE(german.statusValues[10], QStringLiteral("Nacht"));
        QCOMPARE(german.statusValues[0], QStringLiteral("0.0 Stunden"));
        const auto french = decodeTexts(imageWith({{115, 1}}), identity, 1);
        QCOMPARE(french.statusValues[2], QString()); // no French text: shown empty
    }
};

TARVIK_TEST_MAIN(IdentityTest, TenthsTest, CurrentStateDecodeTest)

#include "test_identity.moc"
