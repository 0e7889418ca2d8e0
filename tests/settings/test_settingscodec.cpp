#include "settingstestimage.h"
#include "testmain.h"

#include "link/readsequences.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsentry.h"
#include "settings/settingsformat.h"

#include <QTest>
#include <algorithm>

// How settings read from the image, and how typed values go back into it.
class SettingsCodecTest : public QObject {
    Q_OBJECT
private slots:
    void everySettingIsReadWithItsPage() {
        for (int setting = 0; setting < SettingCount; ++setting) {
            const SettingDefinition& d = settingDefinition(setting);
            if (d.shown == Shown::Empty)
                continue; // the reset row shows nothing and is never read
            const auto& list = readList(settingsPage(pageOfSetting(setting)).readType);
            QVERIFY2(std::count(list.begin(), list.end(), d.address) == 1,
                     qPrintable(QString::number(setting)));
            if (d.field == SettingField::Word)
                QVERIFY(std::count(list.begin(), list.end(), d.address + 1) == 1);
        }
        // The modes and the battery capacity that other rows of a page depend on.
        const auto& events = readList(7);
        QVERIFY(std::count(events.begin(), events.end(), 90) &&
                std::count(events.begin(), events.end(), 91));
        const auto& generator = readList(8);
        QVERIFY(std::count(generator.begin(), generator.end(), 92) &&
                std::count(generator.begin(), generator.end(), 94));
    }

    void shownValue_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("shown");
        QTest::newRow("clock in tenths") << Bytes{{48, 125}} << 0 << "12.5";
        QTest::newRow("tenths below one") << Bytes{{83, 5}} << 11 << "0.5";
        QTest::newRow("12 V BMAX") << Bytes{{87, 144}} << 9 << "14.4";
        QTest::newRow("24 V FLTV") << Bytes{{93, 1}, {86, 144}} << 15 << "28.8";
        QTest::newRow("32 V raw 120") << Bytes{{93, 2}, {87, 120}} << 9 << "32.0";
        QTest::newRow("48 V") << Bytes{{93, 4}, {87, 144}} << 9 << "57.6";
        QTest::newRow("96 V whole volts") << Bytes{{93, 5}, {87, 140}} << 9 << "140";
        QTest::newRow("136 V whole volts") << Bytes{{0, 249}, {87, 140}} << 9 << "140";
        QTest::newRow("system voltage code 1") << Bytes{{93, 0x31}} << 1 << "24";
        QTest::newRow("program in the high nibble") << Bytes{{93, 0x31}} << 2 << "3";
        QTest::newRow("system voltage 96 V") << Bytes{{93, 5}} << 1 << "";
        QTest::newRow("system voltage 120 V") << Bytes{{0, 240}} << 1 << "120";
        QTest::newRow("system voltage 136 V") << Bytes{{0, 249}} << 1 << "136";
        QTest::newRow("lockout set") << Bytes{{33, 0x80}} << 3 << "Adjust";
        QTest::newRow("lockout clear, sign bits set") << Bytes{{33, 0x77}} << 3 << "Locked";
        QTest::newRow("load switch on") << Bytes{{115, 0x01}} << 4 << "On";
        QTest::newRow("generator control on") << Bytes{{116, 0x02}} << 40 << "On";
        QTest::newRow("generator control, other bit") << Bytes{{116, 0x01}} << 40 << "Off";
        QTest::newRow("regulator state") << Bytes{{101, 0x0E}} << 8 << "ABSV";
        QTest::newRow("charge limit in half amps") << Bytes{{77, 23}} << 18 << "11.5";
        QTest::newRow("capacity 20 Ah steps") << Bytes{{94, 10}} << 26 << "200";
        QTest::newRow("capacity 100 Ah steps") << Bytes{{94, 50}} << 26 << "1000";
        QTest::newRow("capacity top") << Bytes{{94, 240}} << 26 << "20000";
        QTest::newRow("16-bit amp-hours") << Bytes{{188, 222}, {189, 3}} << 36 << "990";
        QTest::newRow("load terminal, low nibble") << Bytes{{88, 0x5A}} << 21 << "10";
        QTest::newRow("G terminal, high nibble") << Bytes{{88, 0x5A}} << 22 << "5";
        QTest::newRow("STRT solar volts") << Bytes{{90, 0x00}, {79, 24}} << 30 << "12.0";
        QTest::newRow("STRT time") << Bytes{{90, 0x05}, {79, 123}} << 30 << "12.3";
        QTest::newRow("STRT rate") << Bytes{{90, 0x0E}, {79, 12}} << 30 << "12";
        QTest::newRow("STOP rate") << Bytes{{90, 0xE0}, {80, 12}} << 32 << "12";
        QTest::newRow("STOP solar volts") << Bytes{{90, 0x1E}, {80, 24}} << 32 << "12.0";
        QTest::newRow("TMOD 0 empty") << Bytes{{91, 0x00}, {81, 25}} << 35 << "";
        QTest::newRow("TMOD 1 degrees") << Bytes{{91, 0x10}, {81, 25}} << 35 << "25";
        QTest::newRow("TMOD 3 tenths") << Bytes{{91, 0x30}, {81, 25}} << 35 << "2.5";
        QTest::newRow("TMOD 7 empty") << Bytes{{91, 0x70}, {81, 25}} << 35 << "";
        QTest::newRow("TMOD 8 empty") << Bytes{{91, 0x80}, {81, 25}} << 35 << "";
        QTest::newRow("TMOD 9 degrees") << Bytes{{91, 0x90}, {81, 25}} << 35 << "25";
        QTest::newRow("G ON volts") << Bytes{{92, 0}, {64, 120}} << 42 << "12.0";
        QTest::newRow("G ON percent") << Bytes{{92, 1}, {64, 50}} << 42 << "50";
        QTest::newRow("G ON mode 3 empty") << Bytes{{92, 3}, {64, 50}} << 42 << "";
        QTest::newRow("GOFF volts") << Bytes{{92, 1}, {65, 130}} << 43 << "13.0";
        QTest::newRow("GOFF mode 2 empty") << Bytes{{92, 2}, {65, 130}} << 43 << "";
        QTest::newRow("GDEL mode 2") << Bytes{{92, 2}, {66, 100}} << 44 << "100";
        QTest::newRow("GDEL mode 3 empty") << Bytes{{92, 3}, {66, 100}} << 44 << "";
        QTest::newRow("reset row always empty") << Bytes{{102, 76}} << 28 << "";
        QTest::newRow("state of charge") << Bytes{{181, 80}} << 47 << "80";
    }
    void shownValue() {
        QFETCH(Bytes, bytes);
        QFETCH(int, setting);
        QFETCH(QString, shown);
        const MemoryImage image = imageWith(bytes);
        QCOMPARE(formatSetting(setting, image, settingsIdentityOf(image), 0), shown);
    }

    void choicesInEachLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts"); // lockout set, load on, load off
        QTest::newRow("French") << 1 << QStringList{"Adj", "On", "Off"};
        QTest::newRow("Chinese") << 2 << QStringList{"可调", "开", "关"};
        QTest::newRow("German") << 3 << QStringList{"Offen", "Ein", "Aus"};
    }
    void choicesInEachLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        const MemoryImage on = imageWith({{33, 0x80}, {115, 1}});
        const MemoryImage off;
        const ControllerIdentity identity;
        QCOMPARE(formatSetting(3, on, identity, language), texts[0]);
        QCOMPARE(formatSetting(4, on, identity, language), texts[1]);
        QCOMPARE(formatSetting(4, off, identity, language), texts[2]);
    }

    void namesAndUnitsFollowTheModes_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::newRow("clock") << Bytes{} << 0 << 0 << "VX Time"
                               << "Hours";
        QTest::newRow("clock, German") << Bytes{} << 0 << 3 << "VX Uhrzeit"
                                       << "Stunden";
        QTest::newRow("STRT 1") << Bytes{{90, 1}} << 30 << 0 << "Start Setting SOLV"
                                << "V";
        QTest::newRow("STRT 3") << Bytes{{90, 3}} << 30 << 0 << "Start Setting VEXT"
                                << "V";
        QTest::newRow("STRT 13") << Bytes{{90, 13}} << 30 << 0 << "Start Setting TIME"
                                 << "hr";
        QTest::newRow("STRT 14") << Bytes{{90, 14}} << 30 << 0 << "Start Setting RATE"
                                 << "min";
        QTest::newRow("STRT 15 counts hours") << Bytes{{90, 15}} << 30 << 0 << "Start Setting RATE"
                                              << "hr";
        QTest::newRow("STRT variant, French") << Bytes{{90, 1}} << 30 << 1 << ""
                                              << "V";
        QTest::newRow("STOP 14") << Bytes{{90, 0xE0}} << 32 << 0 << "Stop Setting RUN"
                                 << "min";
        QTest::newRow("STOP 15") << Bytes{{90, 0xF0}} << 32 << 0 << "Stop Setting RUN"
                                 << "hr";
        QTest::newRow("STOP 2, Chinese") << Bytes{{90, 0x20}} << 32 << 2 << "停止设定VEXT外接电压"
                                         << "V";
        QTest::newRow("TMOD 2") << Bytes{{91, 0x20}} << 35 << 0 << "Tmod Setting TEMP"
                                << "oC";
        QTest::newRow("TMOD 4") << Bytes{{91, 0x40}} << 35 << 0 << "Tmod Setting VEXT"
                                << "V";
        QTest::newRow("TMOD 5") << Bytes{{91, 0x50}} << 35 << 0 << "Tmod Setting TIME"
                                << "hr";
        QTest::newRow("TMOD 11 takes bits 0..2")
            << Bytes{{91, 0xB0}} << 35 << 0 << "Tmod Setting VEXT"
            << "V";
        QTest::newRow("GMOD 0") << Bytes{{92, 0x04}} << 42 << 0 << "Gen on below BatV of"
                                << "V";
        QTest::newRow("GMOD 1") << Bytes{{92, 0x01}} << 42 << 0 << "Gen on below SOC of"
                                << "%";
        QTest::newRow("GDEL GMOD 1") << Bytes{{92, 0x01}} << 44 << 0 << "GDEL Delay before Start"
                                     << "min";
        QTest::newRow("GDEL GMOD 2") << Bytes{{92, 0x02}} << 44 << 3 << "Generatorstop ab SOC"
                                     << "%";
        QTest::newRow("SOC name keeps its blank") << Bytes{} << 47 << 0 << "Adjust SOC Value "
                                                  << "%";
    }
    void namesAndUnitsFollowTheModes() {
        QFETCH(Bytes, bytes);
        QFETCH(int, setting);
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, unit);
        const MemoryImage image = imageWith(bytes);
        QCOMPARE(rowName(setting, image, language), name);
        QCOMPARE(rowUnit(setting, image, language), unit);
    }

    void typedEntry_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Bytes>("stored"); // expected image bytes afterwards
        QTest::addColumn<QString>("shown");
        QTest::newRow("12 V BMAX") << Bytes{} << 9 << "14.4" << Bytes{{87, 144}} << "14.4";
        QTest::newRow("12 V BMAX above the limit")
            << Bytes{} << 9 << "17" << Bytes{{87, 165}} << "16.5";
        QTest::newRow("12 V BMAX below the limit")
            << Bytes{} << 9 << "10" << Bytes{{87, 135}} << "13.5";
        QTest::newRow("second decimal truncated")
            << Bytes{} << 9 << "14.47" << Bytes{{87, 144}} << "14.4";
        QTest::newRow("24 V FLTV") << Bytes{{93, 1}} << 15 << "28.8" << Bytes{{86, 144}} << "28.8";
        QTest::newRow("24 V FLTV odd tenth")
            << Bytes{{93, 1}} << 15 << "28.9" << Bytes{{86, 144}} << "28.8";
        QTest::newRow("32 V ALRM") << Bytes{{93, 2}} << 27 << "32.0" << Bytes{{72, 120}} << "32.0";
        QTest::newRow("32 V entry too large for the arithmetic is capped")
            << Bytes{{93, 2}} << 27 << "99999999.0" << Bytes{{72, 180}} << "48.0";
        QTest::newRow("whole volts take no decimal")
            << Bytes{{93, 5}} << 9 << "140.5" << Bytes{{87, 140}} << "140";
        QTest::newRow("136 V maximum")
            << Bytes{{0, 249}} << 9 << "190" << Bytes{{87, 187}} << "187";
        QTest::newRow("system voltage 24 keeps the program")
            << Bytes{{93, 0x30}} << 1 << "24" << Bytes{{93, 0x31}} << "24";
        QTest::newRow("system voltage 36")
            << Bytes{{93, 0x30}} << 1 << "47" << Bytes{{93, 0x33}} << "36";
        QTest::newRow("system voltage 48")
            << Bytes{{93, 0x30}} << 1 << "99" << Bytes{{93, 0x34}} << "48";
        QTest::newRow("system voltage negative")
            << Bytes{{93, 0x31}} << 1 << "-5" << Bytes{{93, 0x30}} << "12";
        QTest::newRow("high-voltage model keeps code 0")
            << Bytes{{0, 240}, {93, 0x21}} << 1 << "48" << Bytes{{93, 0x20}} << "120";
        QTest::newRow("program keeps the system voltage")
            << Bytes{{93, 0x01}} << 2 << "3" << Bytes{{93, 0x31}} << "3";
        QTest::newRow("program clamped")
            << Bytes{{93, 0x01}} << 2 << "9" << Bytes{{93, 0x41}} << "4";
        QTest::newRow("capacity 200 Ah") << Bytes{} << 26 << "200" << Bytes{{94, 10}} << "200";
        QTest::newRow("capacity 1000 Ah") << Bytes{} << 26 << "1000" << Bytes{{94, 50}} << "1000";
        QTest::newRow("capacity 20000 Ah")
            << Bytes{} << 26 << "20000" << Bytes{{94, 240}} << "20000";
        QTest::newRow("capacity clamped")
            << Bytes{} << 26 << "25000" << Bytes{{94, 240}} << "20000";
        QTest::newRow("capacity minimum") << Bytes{} << 26 << "0" << Bytes{{94, 1}} << "20";
        QTest::newRow("VX40 charge limit")
            << Bytes{{0, 130}} << 18 << "45" << Bytes{{77, 80}} << "40.0";
        QTest::newRow("VX60 charge limit")
            << Bytes{{0, 200}} << 18 << "45" << Bytes{{77, 90}} << "45.0";
        QTest::newRow("VX80 charge limit")
            << Bytes{{0, 225}} << 18 << "45" << Bytes{{77, 40}} << "20.0";
        QTest::newRow("half amps round down")
            << Bytes{{0, 130}} << 18 << "11.7" << Bytes{{77, 23}} << "11.5";
        QTest::newRow("STRT 14 whole") << Bytes{{90, 14}} << 30 << "12" << Bytes{{79, 12}} << "12";
        QTest::newRow("STRT 0 half volts") << Bytes{} << 30 << "12.3" << Bytes{{79, 24}} << "12.0";
        QTest::newRow("STRT 5 tenths")
            << Bytes{{90, 5}} << 30 << "12.3" << Bytes{{79, 123}} << "12.3";
        QTest::newRow("STOP 1 half volts")
            << Bytes{{90, 0x10}} << 32 << "12.3" << Bytes{{80, 24}} << "12.0";
        QTest::newRow("TMOD 1 degrees")
            << Bytes{{91, 0x10}} << 35 << "25" << Bytes{{81, 25}} << "25";
        QTest::newRow("TMOD 3 tenths")
            << Bytes{{91, 0x30}} << 35 << "2.5" << Bytes{{81, 25}} << "2.5";
        QTest::newRow("GMOD 1 percent") << Bytes{{92, 1}} << 42 << "50" << Bytes{{64, 50}} << "50";
        QTest::newRow("GMOD 1 percent, whole volts")
            << Bytes{{92, 1}, {93, 5}} << 42 << "50" << Bytes{{64, 50}} << "50";
        QTest::newRow("GMOD 0 volts")
            << Bytes{{92, 0}} << 42 << "12.0" << Bytes{{64, 120}} << "12.0";
        QTest::newRow("GDEL whole") << Bytes{{92, 2}} << 44 << "100.7" << Bytes{{66, 100}} << "100";
        QTest::newRow("GDEL start limit")
            << Bytes{{92, 0}} << 44 << "20" << Bytes{{66, 15}} << "15";
        QTest::newRow("16-bit clamped")
            << Bytes{} << 36 << "1000" << Bytes{{188, 222}, {189, 3}} << "990";
        QTest::newRow("16-bit top")
            << Bytes{} << 37 << "25000" << Bytes{{193, 0xA8}, {194, 0x61}} << "25000";
        QTest::newRow("negative becomes 0") << Bytes{{71, 9}} << 7 << "-5" << Bytes{{71, 0}} << "0";
        QTest::newRow("other characters dropped")
            << Bytes{} << 0 << "1a2.5h" << Bytes{{48, 125}} << "12.5";
        QTest::newRow("decimal alone") << Bytes{} << 0 << ".5" << Bytes{{48, 5}} << "0.5";
        QTest::newRow("state of charge")
            << Bytes{{94, 10}} << 47 << "80" << Bytes{{181, 80}} << "80";
        QTest::newRow("state of charge clamped")
            << Bytes{} << 47 << "200" << Bytes{{181, 127}} << "127";
    }
    void typedEntry() {
        QFETCH(Bytes, bytes);
        QFETCH(int, setting);
        QFETCH(QString, typed);
        QFETCH(Bytes, stored);
        QFETCH(QString, shown);
        MemoryImage image = imageWith(bytes);
        const ControllerIdentity identity = settingsIdentityOf(image);
        QVERIFY(applyEntry(setting, typed, image, identity).accepted);
        for (const auto& [address, value] : stored) {
            QCOMPARE(int(image.at(address)), value);
            QVERIFY(!image.wasRead(address)); // an entry is no reading of the controller
        }
        QCOMPARE(formatSetting(setting, image, settingsIdentityOf(image), 0), shown);
    }

    void invalidEntryStoresNothing_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << Bytes{} << 9 << "";
        QTest::newRow("letters only") << Bytes{} << 9 << "abc";
        QTest::newRow("lone point") << Bytes{} << 0 << ".";
        QTest::newRow("minus inside") << Bytes{} << 7 << "1-2";
        QTest::newRow("reserved 30000") << Bytes{} << 7 << "30000";
        QTest::newRow("tenths making 30000") << Bytes{} << 9 << "3000";
        QTest::newRow("too long") << Bytes{} << 37 << "99999999999";
        QTest::newRow("letter as the decimal") << Bytes{} << 0 << "1.x";
        QTest::newRow("space after the point, tenths") << Bytes{} << 0 << "12. 5";
        QTest::newRow("space after the point, volts") << Bytes{} << 9 << "14. 4";
        QTest::newRow("space after the point, whole") << Bytes{} << 7 << "5. 5";
        QTest::newRow("tab after the point") << Bytes{} << 9 << "14.\t4";
        QTest::newRow("system voltage 100") << Bytes{} << 1 << "100";
        QTest::newRow("system voltage on 96 V") << Bytes{{93, 0x05}} << 1 << "12";
    }
    void invalidEntryStoresNothing() {
        QFETCH(Bytes, bytes);
        QFETCH(int, setting);
        QFETCH(QString, typed);
        MemoryImage image = imageWith(bytes);
        for (int address = 0; address < 256; ++address)
            image.store(address, static_cast<std::uint8_t>(image.at(address) | 0x40));
        const MemoryImage before = image;
        const EntryResult result = applyEntry(setting, typed, image, settingsIdentityOf(image));
        QVERIFY(!result.accepted);
        QVERIFY(!result.ampHours);
        QVERIFY(image.bytes() == before.bytes());
    }

    void stateOfChargeGivesAmpHours_data() {
        QTest::addColumn<int>("capacityCode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ampHours");
        QTest::newRow("80 % of 200 Ah") << 10 << "80" << 160;
        QTest::newRow("50 % of 1000 Ah") << 50 << "50" << 500;
        QTest::newRow("clamped 127 % of 20000 Ah") << 240 << "200" << 25400;
    }
    void stateOfChargeGivesAmpHours() {
        QFETCH(int, capacityCode);
        QFETCH(QString, typed);
        QFETCH(int, ampHours);
        MemoryImage image = imageWith({{94, capacityCode}});
        const EntryResult result = applyEntry(47, typed, image, settingsIdentityOf(image));
        QCOMPARE(result.ampHours.value_or(-1), ampHours);
    }

    void toggleOnEditStart_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("lockout on, sign bits kept") << 3 << 0x17 << 0x97;
        QTest::newRow("lockout off") << 3 << 0x97 << 0x17;
        QTest::newRow("load switch") << 4 << 0x10 << 0x11;
        QTest::newRow("generator control") << 40 << 0x03 << 0x01;
        QTest::newRow("BOST to EQUL") << 8 << 0x00 << 0x01;
        QTest::newRow("ABSV to FLOT") << 8 << 0x02 << 0x03;
        QTest::newRow("FLOT to BOST, bits 3..7 kept") << 8 << 0xFB << 0xF8;
        QTest::newRow("bit 2 cleared") << 8 << 0x05 << 0x02;
    }
    void toggleOnEditStart() {
        QFETCH(int, setting);
        QFETCH(int, before);
        QFETCH(int, after);
        const int address = settingDefinition(setting).address;
        MemoryImage image = imageWith({{address, before}});
        QVERIFY(togglesOnEdit(setting));
        toggleSetting(setting, image);
        QCOMPARE(int(image.at(address)), after);
    }
};

// The identity the settings pages derive for themselves.
class SettingsIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void derivedFromBytes0And93_data() {
        QTest::addColumn<int>("byte0");
        QTest::addColumn<int>("byte93");
        QTest::addColumn<QString>("modelText");
        QTest::addColumn<int>("loadMultiplier");
        QTest::addColumn<int>("systemVoltageIndex");
        QTest::newRow("alarm-unit byte is a VX20") << 100 << 0 << "VX20 v4" << 7 << 0;
        QTest::newRow("VX60 keeps the load multiplier") << 200 << 1 << "VX60 v8" << 7 << 1;
        QTest::newRow("VX80 keeps the load multiplier") << 225 << 4 << "VX80 v1" << 7 << 4;
        QTest::newRow("120 V sets it") << 245 << 0 << "VX60 v6" << 2 << 7;
        QTest::newRow("136 V") << 249 << 3 << "VX60 v1" << 2 << 8;
        QTest::newRow("96 V") << 10 << 0x0E << "VX20 v10" << 7 << 5;
    }
    void derivedFromBytes0And93() {
        QFETCH(int, byte0);
        QFETCH(int, byte93);
        QFETCH(QString, modelText);
        QFETCH(int, loadMultiplier);
        QFETCH(int, systemVoltageIndex);
        ControllerIdentity identity;
        identity.loadCurrentMultiplier = 7;
        identity.AlarmUnitVariant = 1;
        deriveSettingsIdentity(imageWith({{0, byte0}, {93, byte93}}), identity);
        QCOMPARE(identity.ModelText, modelText);
        QCOMPARE(identity.loadCurrentMultiplier, loadMultiplier);
        QCOMPARE(identity.SystemVoltageIndex, systemVoltageIndex);
        QCOMPARE(identity.AlarmUnitVariant, 1);
    }
};

TARVIK_TEST_MAIN(SettingsCodecTest, SettingsIdentityTest)

#include "test_settingscodec.moc"
