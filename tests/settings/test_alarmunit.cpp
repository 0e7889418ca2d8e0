#include "testmain.h"

#include "settings/alarmunit.h"
#include "settings/alarmunittexts.h"

#include <QTest>

namespace {

using Copies = QList<int>; // bytes 16..20

AlarmUnitImage withConfiguration(const Copies& copies) {
    AlarmUnitImage image = defaultAlarmUnitImage();
    for (int copy = 0; copy < copies.size(); ++copy)
        image.store(AlarmUnit::FirstConfigurationCopy + copy, quint8(copies.at(copy)));
    return image;
}

AlarmUnitValues shownValues(const QStringList& rows) {
    AlarmUnitValues values;
    for (int row = 1; row <= AlarmUnit::Rows; ++row)
        values.setRow(row, rows.at(row - 1));
    return values;
}

} // namespace

// The alarm unit's bytes as the programmer shows them, the values typed into its grid, and the
// bytes written back.
class AlarmUnitTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsPassTheChecksum() {
        const AlarmUnitDisplay shown = Vxatodis(defaultAlarmUnitImage());
        QVERIFY(shown.checksumOk);
        QCOMPARE(alarmUnitChecksum(defaultAlarmUnitImage()), quint8(227));
        const QStringList expected{"12",   "2400", "11.2", "11.6", "11.5",
                                   "12.5", "11.7", "15.4", "0"};
        for (int row = 1; row <= AlarmUnit::Rows; ++row)
            QCOMPARE(shown.values.row(row), expected.at(row - 1));
    }

    void configurationByMajority_data() {
        QTest::addColumn<Copies>("copies");
        QTest::addColumn<int>("majority");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("baud");
        QTest::newRow("three of five") << Copies{0x11, 0x11, 0x11, 0x00, 0x00} << 0x11 << "24"
                                       << "1200";
        QTest::newRow("two of five") << Copies{0x21, 0x21, 0x00, 0x00, 0x00} << 0x00 << "12"
                                     << "300";
        QTest::newRow("bit by bit") << Copies{0x31, 0x12, 0x24, 0x33, 0x00} << 0x30 << "12"
                                    << "9600";
        QTest::newRow("code 7 is 48 V") << Copies{0x07, 0x07, 0x07, 0x07, 0x07} << 0x07 << "48"
                                        << "300";
        QTest::newRow("code 5 is 48 V") << Copies{0x25, 0x25, 0x25, 0x25, 0x25} << 0x25 << "48"
                                        << "2400";
    }
    void configurationByMajority() {
        QFETCH(Copies, copies);
        QFETCH(int, majority);
        QFETCH(QString, volts);
        QFETCH(QString, baud);
        const AlarmUnitImage image = withConfiguration(copies);
        QCOMPARE(majorityConfiguration(image), majority);
        const AlarmUnitDisplay shown = Vxatodis(image);
        QCOMPARE(shown.values.row(AlarmUnit::VoltageRow), volts);
        QCOMPARE(shown.values.row(AlarmUnit::BaudRow), baud);
    }

    void thresholdsShownAtEachVoltage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12 V") << 0 << 112 << "11.2";
        QTest::newRow("24 V") << 1 << 112 << "22.4";
        // 112 x 2.6666 + 0.499 = 299.16.
        QTest::newRow("32 V") << 2 << 112 << "29.9";
        QTest::newRow("32 V, 150") << 2 << 150 << "40.0";
        QTest::newRow("36 V") << 3 << 117 << "35.1";
        QTest::newRow("48 V") << 4 << 154 << "61.6";
        QTest::newRow("below 10 V") << 0 << 95 << " 9.5";
        QTest::newRow("from 100 V") << 4 << 255 << "102.0";
        QTest::newRow("zero") << 0 << 0 << " 0.0";
    }
    void thresholdsShownAtEachVoltage() {
        QFETCH(int, code);
        QFETCH(int, raw);
        QFETCH(QString, shown);
        AlarmUnitImage image = withConfiguration(Copies(5, code));
        image.store(AlarmUnit::FirstThreshold, quint8(raw));
        QCOMPARE(Vxatodis(image).values.row(AlarmUnit::FirstThresholdRow), shown);
    }

    void checksumVerdict() {
        AlarmUnitImage image = defaultAlarmUnitImage();
        image.store(3, 1); // bytes 0..7 count although they are never shown
        QVERIFY(!Vxatodis(image).checksumOk);
        image.store(AlarmUnit::ChecksumByte, 228);
        QVERIFY(Vxatodis(image).checksumOk);
    }

    void entryNormalised_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("volts 20") << 1 << "20"
                                  << "24";
        QTest::newRow("volts 18") << 1 << "18"
                                  << "12";
        QTest::newRow("volts 31") << 1 << "31"
                                  << "32";
        QTest::newRow("volts 35") << 1 << "35"
                                  << "36";
        QTest::newRow("volts 40") << 1 << "40"
                                  << "48";
        QTest::newRow("volts negative") << 1 << "-5"
                                        << "48";
        QTest::newRow("volts no number") << 1 << "abc"
                                         << "12";
        QTest::newRow("baud 5000") << 2 << "5000"
                                   << "9600";
        QTest::newRow("baud 999") << 2 << "999"
                                  << "300";
        QTest::newRow("baud 1999") << 2 << "1999"
                                   << "1200";
        QTest::newRow("baud 2000") << 2 << "2000"
                                   << "2400";
        QTest::newRow("baud negative") << 2 << "-1"
                                       << "9600";
        QTest::newRow("threshold kept") << 3 << "12.5"
                                        << "12.5";
        QTest::newRow("one digit") << 4 << "5"
                                   << " 5.0";
        QTest::newRow("two decimals") << 5 << "7.25"
                                      << " 7.2";
        QTest::newRow("three digits before the point") << 6 << "123.4"
                                                       << "23.4";
        QTest::newRow("three digits, no point") << 7 << "123"
                                                << "12.0";
        QTest::newRow("empty") << 8 << ""
                               << " 0.0";
        QTest::newRow("point last") << 3 << "13."
                                    << "13.0";
        QTest::newRow("letters are zeros") << 3 << "1x.5"
                                           << "10.5";
        // Kept as " 0.." this showed no number and was written as the default 12.0 V.
        QTest::newRow("two points") << 3 << "1..5"
                                    << " 1.0";
        QTest::newRow("full-width digits are no digits") << 3 << "１２.５"
                                                         << " 0.0";
        QTest::newRow("delay 300") << 9 << "300"
                                   << "255";
        QTest::newRow("delay 12") << 9 << "12"
                                  << "12";
        QTest::newRow("delay no number") << 9 << "x"
                                         << "0";
        // A negative count of hours cannot be held by the byte: it is taken as 0, not as the
        // low eight bits of the number.
        QTest::newRow("delay negative") << 9 << "-5"
                                        << "0";
    }
    void entryNormalised() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(normaliseAlarmUnitEntry(row, typed), kept);
    }

    void shownValuesWritten_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("bytes"); // 8..20
        QTest::newRow("defaults") << QStringList{"12",   "2400", "11.2", "11.6", "11.5",
                                                 "12.5", "11.7", "15.4", "0"}
                                  << QList<int>{112, 116, 115, 125, 117, 154, 0,
                                                227, 32,  32,  32,  32,  32};
        // 224 x 0.5 + 0.499 = 112.499.
        QTest::newRow("24 V, 1200 baud")
            << QStringList{"24", "1200", "22.4", "22.4", "22.4", "22.4", "22.4", "22.4", "48"}
            << QList<int>{112,  112,  112,  112,  112, 112, 48, (6 * 112 + 48) & 255,
                          0x11, 0x11, 0x11, 0x11, 0x11};
        // 299 x 0.375 + 0.499 and 300 x 0.333333 + 0.499: the decimal entry multipliers.
        QTest::newRow("32 V") << QStringList{"32",   "300",  "29.9", "99.9", " 0.0",
                                             " 0.0", " 0.0", " 0.0", "255"}
                              << QList<int>{112, 255, 0, 0, 0, 0, 255, (112 + 255 + 255) & 255,
                                            2,   2,   2, 2, 2};
        QTest::newRow("36 V") << QStringList{"36",   "9600", "30.0", "30.1", " 0.1",
                                             " 0.0", " 0.0", " 0.0", "1"}
                              << QList<int>{100, 100,  0,    0,    0,    0,   1,
                                            201, 0x33, 0x33, 0x33, 0x33, 0x33};
        // Values the decode shows below 10 V and from 100 V up are written as shown.
        QTest::newRow("decoded widths")
            << QStringList{"12", "2400", " 9.5", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0", "0"}
            << QList<int>{95, 0, 0, 0, 0, 0, 0, 95, 32, 32, 32, 32, 32};
        QTest::newRow("48 V, 102.0")
            << QStringList{"48", "2400", "102.0", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0", "0"}
            << QList<int>{255, 0, 0, 0, 0, 0, 0, 255, 0x24, 0x24, 0x24, 0x24, 0x24};
        // No number: 12.0 V entered at 48 V (no voltage is 48 V), 9600 baud, delay 48.
        QTest::newRow("no numbers")
            << QStringList{"", "", "", "", "", "", "", "", ""}
            << QList<int>{30, 30, 30, 30, 30, 30, 48, 6 * 30 + 48, 0x34, 0x34, 0x34, 0x34, 0x34};
    }
    void shownValuesWritten() {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, bytes);
        AlarmUnitImage image; // bytes 0..7 zero, as in the defaults
        distovxa(shownValues(rows), image);
        QList<int> written;
        for (int index = AlarmUnit::FirstThreshold; index < AlarmUnitImage::Size; ++index)
            written << image.at(index);
        QCOMPARE(written, bytes);
        for (int index = 0; index < AlarmUnit::FirstThreshold; ++index)
            QCOMPARE(int(image.at(index)), 0);
    }

    // What the decode shows is written back as the same bytes, at every voltage.
    void decodeThenWriteKeepsTheBytes_data() {
        QTest::addColumn<int>("code");
        for (int code = 0; code <= 4; ++code)
            QTest::addRow("code %d", code) << code;
    }
    void decodeThenWriteKeepsTheBytes() {
        QFETCH(int, code);
        for (int raw = 0; raw <= 255; ++raw) {
            AlarmUnitImage image = withConfiguration(Copies(5, code | 0x20));
            for (int index = AlarmUnit::FirstThreshold; index <= AlarmUnit::DelayByte; ++index)
                image.store(index, quint8(raw));
            image.store(0, 7);
            image.store(AlarmUnit::ChecksumByte, alarmUnitChecksum(image));
            AlarmUnitImage written = image;
            distovxa(Vxatodis(image).values, written);
            QVERIFY2(written.bytes() == image.bytes(), qPrintable(QString::number(raw)));
        }
    }

    void labelsFollowTheVariant_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("unit");
        QTest::newRow("header") << 0 << 1 << 0 << "VXA Setting"
                                << "";
        QTest::newRow("baud") << 2 << 0 << 2 << "波特速率"
                              << "波特";
        QTest::newRow("row 3, set") << 3 << 1 << 0 << "Urgent Low Voltage Alarm On below"
                                    << "V";
        QTest::newRow("row 3, clear") << 3 << 0 << 0 << "Load Disconnect On below"
                                      << "V";
        QTest::newRow("row 3, clear, German") << 3 << 0 << 3 << "Lastabwurf Spannung On below"
                                              << "V";
        QTest::newRow("row 9, set") << 9 << 1 << 0 << "Charge fail alarm delay time"
                                    << "hours";
        QTest::newRow("row 9, set, Chinese") << 9 << 1 << 2 << "充电故障延迟时间 "
                                             << "小时";
        QTest::newRow("row 9, clear") << 9 << 0 << 0 << "Mode"
                                      << "";
        QTest::newRow("row 7, French") << 7 << 0 << 1 << "Tension de utilite recommencer"
                                       << "V";
    }
    void labelsFollowTheVariant() {
        QFETCH(int, row);
        QFETCH(int, variant);
        QFETCH(int, language);
        QFETCH(QString, label);
        QFETCH(QString, unit);
        QCOMPARE(alarmUnitLabel(row, variant, language), label);
        QCOMPARE(alarmUnitUnit(row, variant, language), unit);
    }

    void checkLabelStates() {
        QCOMPARE(alarmUnitCheckText(AlarmUnitCheck::ReadError, 3), QStringLiteral("Lesefehler"));
        QCOMPARE(alarmUnitCheckText(AlarmUnitCheck::CheckOk, 2), QStringLiteral("校检正确 "));
        QCOMPARE(alarmUnitCheckColour(AlarmUnitCheck::CheckOk), CheckColour::Lime);
        QCOMPARE(alarmUnitCheckColour(AlarmUnitCheck::Reading), CheckColour::Aqua);
        QCOMPARE(alarmUnitCheckColour(AlarmUnitCheck::Checksum), CheckColour::ButtonFace);
    }
};

TARVIK_TEST_MAIN(AlarmUnitTest)

#include "test_alarmunit.moc"
