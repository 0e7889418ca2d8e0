#include "settingstestimage.h"
#include "testmain.h"

#include "settings/settingscommit.h"
#include "settings/settingsentry.h"

#include <QTest>

namespace {
// The operands that matter for a single change, as one comparable line.
QString operands(const WriteOperands& w) {
    return QStringLiteral("%1 %2=%3 steps %4 kind %5 setting %6@%7 cal %8 sign %9 Ah %10")
        .arg(w.EepromWrite ? "EEPROM" : "RAM")
        .arg(w.WriteAddress)
        .arg(w.WriteValue)
        .arg(w.StepCount)
        .arg(w.WriteKind)
        .arg(w.SettingIndex)
        .arg(w.SettingRamAddress)
        .arg(w.CalRamAddress)
        .arg(w.SignByte)
        .arg(w.AhValue);
}

WriteOperands earlierWrite() {
    WriteOperands w;
    w.SettingIndex = 99;
    w.SettingRamAddress = 99;
    w.CalRamAddress = 99;
    w.SignByte = 99;
    w.AhValue = 99;
    return w;
}
} // namespace

// What a committed row leaves for the send button.
class SingleChangeWriteTest : public QObject {
    Q_OBJECT
private slots:
    void settingCommit_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prepared");
        QTest::newRow("BMAX 14.4 V, EEPROM copy and RAM")
            << Bytes{} << 9 << "14.4"
            << "EEPROM 37=144 steps 2 kind 2 setting 9@87 cal 99 sign 99 Ah 99";
        QTest::newRow("battery capacity")
            << Bytes{} << 26 << "200"
            << "EEPROM 44=10 steps 2 kind 2 setting 26@94 cal 99 sign 99 Ah 99";
        QTest::newRow("shared nibble byte goes whole")
            << Bytes{{93, 0x01}} << 2 << "3"
            << "EEPROM 43=49 steps 2 kind 2 setting 2@93 cal 99 sign 99 Ah 99";
        QTest::newRow("clock, RAM only")
            << Bytes{} << 0 << "12.5"
            << "RAM 48=125 steps 1 kind 2 setting 0@48 cal 99 sign 99 Ah 99";
        QTest::newRow("generator counter, RAM only")
            << Bytes{} << 48 << "5"
            << "RAM 96=5 steps 1 kind 2 setting 48@96 cal 99 sign 99 Ah 99";
        QTest::newRow("16-bit, low byte first")
            << Bytes{} << 36 << "1000"
            << "RAM 188=222 steps 2 kind 2 setting 36@188 cal 99 sign 99 Ah 99";
        QTest::newRow("state of charge sends amp-hours")
            << Bytes{{94, 10}} << 47 << "80"
            << "RAM 211=160 steps 2 kind 2 setting 47@181 cal 99 sign 99 Ah 160";
        QTest::newRow("lockout, EEPROM 0")
            << Bytes{{33, 0x97}} << 3 << ""
            << "EEPROM 0=151 steps 2 kind 2 setting 3@33 cal 99 sign 99 Ah 99";
        QTest::newRow("load switch")
            << Bytes{{115, 1}} << 4 << ""
            << "RAM 115=1 steps 1 kind 2 setting 4@115 cal 99 sign 99 Ah 99";
        QTest::newRow("regulator state")
            << Bytes{{101, 2}} << 8 << "x"
            << "RAM 101=2 steps 1 kind 2 setting 8@101 cal 99 sign 99 Ah 99";
        QTest::newRow("generator control")
            << Bytes{{116, 2}} << 40 << ""
            << "RAM 116=2 steps 1 kind 2 setting 40@116 cal 99 sign 99 Ah 99";
        QTest::newRow("processor reset")
            << Bytes{} << 28 << ""
            << "RAM 102=76 steps 2 kind 1 setting 28@102 cal 99 sign 99 Ah 99";
        QTest::newRow("invalid entry rewrites the unchanged value")
            << Bytes{{87, 150}} << 9 << "abc"
            << "EEPROM 37=150 steps 2 kind 2 setting 9@87 cal 99 sign 99 Ah 99";
    }
    void settingCommit() {
        QFETCH(Bytes, bytes);
        QFETCH(int, setting);
        QFETCH(QString, typed);
        QFETCH(QString, prepared);
        MemoryImage image = imageWith(bytes);
        WriteOperands write = earlierWrite();
        const SettingCommit commit =
            commitSetting(setting, typed, image, settingsIdentityOf(image), write);
        QVERIFY(commit.sendArmed);
        QCOMPARE(operands(write), prepared);
    }

    void invalidStateOfChargeArmsNothing() {
        MemoryImage image = imageWith({{94, 10}, {181, 50}});
        WriteOperands write = earlierWrite();
        const SettingCommit commit =
            commitSetting(47, "abc", image, settingsIdentityOf(image), write);
        QVERIFY(!commit.accepted);
        QVERIFY(!commit.sendArmed);
        QCOMPARE(operands(write), operands(earlierWrite()));
    }

    void pageRedrawOnlyAfterAcceptedModeEntries_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("redraw");
        QTest::newRow("GMOD") << 41 << "1" << true;
        QTest::newRow("STRT") << 29 << "14" << true;
        QTest::newRow("system voltage") << 1 << "24" << true;
        QTest::newRow("GMOD invalid") << 41 << "x" << false;
        QTest::newRow("EMOD") << 33 << "1" << false;
        QTest::newRow("G ON") << 42 << "12" << false;
    }
    void pageRedrawOnlyAfterAcceptedModeEntries() {
        QFETCH(int, setting);
        QFETCH(QString, typed);
        QFETCH(bool, redraw);
        MemoryImage image;
        WriteOperands write;
        QCOMPARE(commitSetting(setting, typed, image, ControllerIdentity{}, write).redrawPage,
                 redraw);
    }

    void calibrationCommit_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("isGain");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prepared");
        QTest::newRow("charge current gain")
            << Bytes{} << 3 << true << "40"
            << "EEPROM 5=63 steps 2 kind 0 setting 99@99 cal 215 sign 99 Ah 99";
        QTest::newRow("battery temperature offset")
            << Bytes{} << 5 << false << "-1"
            << "EEPROM 8=255 steps 2 kind 0 setting 99@99 cal 230 sign 99 Ah 99";
        QTest::newRow("B- sense gain")
            << Bytes{} << 7 << true << "0"
            << "EEPROM 13=32 steps 2 kind 0 setting 99@99 cal 239 sign 99 Ah 99";
        QTest::newRow("24 V gain, sign byte first")
            << Bytes{{33, 0x82}} << 1 << true << "-3"
            << "EEPROM 2=13 steps 4 kind 0 setting 99@99 cal 35 sign 128 Ah 99";
        QTest::newRow("12 V offset, sign byte first")
            << Bytes{{34, 0x05}} << 0 << false << "-1"
            << "EEPROM 1=245 steps 4 kind 0 setting 99@99 cal 34 sign 16 Ah 99";
    }
    void calibrationCommit() {
        QFETCH(Bytes, bytes);
        QFETCH(int, channel);
        QFETCH(bool, isGain);
        QFETCH(QString, typed);
        QFETCH(QString, prepared);
        MemoryImage image = imageWith(bytes);
        WriteOperands write = earlierWrite();
        const auto part = isGain ? CalibrationPart::Gain : CalibrationPart::Offset;
        QVERIFY(commitCalibration(channel, part, typed, image, write));
        QCOMPARE(operands(write), prepared);
    }

    void refusedCalibrationPreparesNothing() {
        MemoryImage image;
        WriteOperands write = earlierWrite();
        QVERIFY(!commitCalibration(3, CalibrationPart::Offset, "200", image, write));
        QCOMPARE(operands(write), operands(earlierWrite()));
    }
};

TARVIK_TEST_MAIN(SingleChangeWriteTest)

#include "test_singlechangewrite.moc"
