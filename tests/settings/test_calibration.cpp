#include "settingstestimage.h"
#include "testmain.h"

#include "settings/calibration.h"
#include "settings/settingscommit.h"

#include <QTest>

// Gains and offsets of the eight measuring channels, with their opposite sign senses.
class CalibrationTest : public QObject {
    Q_OBJECT
private slots:
    void shownValue_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<QString>("offset");
        QTest::newRow("12 V, both signs set") << Bytes{{33, 0x07}, {34, 0x35}} << 0 << " 5"
                                              << " 3";
        QTest::newRow("12 V, gain sign clear, offset sign set")
            << Bytes{{33, 0x10}, {34, 0xF0}} << 0 << "-16"
            << "-1";
        QTest::newRow("48 V uses bits 2 and 6") << Bytes{{33, 0x40}, {36, 0x2D}} << 2 << "-3"
                                                << "-14";
        QTest::newRow("lockout bit is no sign") << Bytes{{33, 0x80}, {35, 0x00}} << 1 << "-16"
                                                << " 0";
        QTest::newRow("charge current middle") << Bytes{{215, 0x20}, {214, 0x00}} << 3 << " 0"
                                               << " 0";
        QTest::newRow("charge current lowest") << Bytes{{215, 0x00}, {214, 0x80}} << 3 << "-32"
                                               << "-128";
        QTest::newRow("top bits of a gain ignored") << Bytes{{215, 0xFF}, {214, 0xFF}} << 3 << " 31"
                                                    << "-1";
        QTest::newRow("B- sense") << Bytes{{239, 0x25}, {238, 0x7F}} << 7 << " 5"
                                  << " 127";
    }
    void shownValue() {
        QFETCH(Bytes, bytes);
        QFETCH(int, channel);
        QFETCH(QString, gain);
        QFETCH(QString, offset);
        const MemoryImage image = imageWith(bytes);
        QCOMPARE(calibrationText(calibrationGain(image, channel)), gain);
        QCOMPARE(calibrationText(calibrationOffset(image, channel)), offset);
    }

    void typedValue_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("isGain");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored"); // the value; 999 when refused
        QTest::addColumn<Bytes>("after");
        QTest::newRow("charge gain clamped")
            << Bytes{} << 3 << true << "40" << 31 << Bytes{{215, 63}};
        QTest::newRow("charge gain clamped low")
            << Bytes{{215, 0xC0}} << 3 << true << "-40" << -32 << Bytes{{215, 0}};
        QTest::newRow("charge offset refused")
            << Bytes{{214, 9}} << 3 << false << "200" << 999 << Bytes{{214, 9}};
        QTest::newRow("charge offset lowest")
            << Bytes{} << 3 << false << "-128" << -128 << Bytes{{214, 128}};
        QTest::newRow("solar offset") << Bytes{} << 6 << false << "-1" << -1 << Bytes{{234, 255}};
        QTest::newRow("24 V gain negative") << Bytes{{33, 0x82}, {35, 0x70}} << 1 << true << "-3"
                                            << -3 << Bytes{{33, 0x80}, {35, 0x7D}};
        QTest::newRow("12 V gain positive, shown text")
            << Bytes{{33, 0x80}} << 0 << true << " 5" << 5 << Bytes{{33, 0x81}, {34, 0x05}};
        QTest::newRow("12 V gain clamped")
            << Bytes{} << 0 << true << "100" << 15 << Bytes{{33, 0x01}, {34, 0x0F}};
        QTest::newRow("12 V offset negative")
            << Bytes{{34, 0x05}} << 0 << false << "-1" << -1 << Bytes{{33, 0x10}, {34, 0xF5}};
        QTest::newRow("48 V offset positive clears its sign")
            << Bytes{{33, 0x44}, {36, 0xF3}} << 2 << false << "7" << 7
            << Bytes{{33, 0x04}, {36, 0x73}};
        QTest::newRow("48 V offset out of range")
            << Bytes{{36, 0x11}} << 2 << false << "16" << 999 << Bytes{{36, 0x11}};
        QTest::newRow("gain no number")
            << Bytes{{34, 0x11}} << 0 << true << "abc" << 999 << Bytes{{34, 0x11}};
        QTest::newRow("gain 260 is no number")
            << Bytes{{215, 40}} << 3 << true << "260" << 999 << Bytes{{215, 40}};
        QTest::newRow("offset no number")
            << Bytes{{218, 3}} << 4 << false << "" << 999 << Bytes{{218, 3}};
    }
    void typedValue() {
        QFETCH(Bytes, bytes);
        QFETCH(int, channel);
        QFETCH(bool, isGain);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(Bytes, after);
        MemoryImage image = imageWith(bytes);
        const std::optional<int> value = isGain ? storeCalibrationGain(image, channel, typed)
                                                : storeCalibrationOffset(image, channel, typed);
        QCOMPARE(value.value_or(999), stored);
        for (const auto& [address, byte] : after)
            QCOMPARE(int(image.at(address)), byte);
        if (value)
            QCOMPARE(calibrationValue(image, channel,
                                      isGain ? CalibrationPart::Gain : CalibrationPart::Offset),
                     stored);
    }

    // Every value of the three voltage ranges, typed as the cell shows it and read back, from
    // sign bits and nibbles all clear and all set: the sign is written, never left as it was
    // (a gain of 0 with its bit clear would read back as -16), and nothing else moves.
    void everyVoltageRangeValueReadsBack() {
        for (const int start : {0x00, 0xFF}) {
            for (int channel = 0; channel < 3; ++channel) {
                for (const auto part : {CalibrationPart::Gain, CalibrationPart::Offset}) {
                    const bool gain = part == CalibrationPart::Gain;
                    const int signBit = gain ? channel : 4 + channel;
                    const int otherNibble = gain ? 0xF0 : 0x0F;
                    for (int value = -16; value <= 15; ++value) {
                        const QString where = QStringLiteral("start %1 channel %2 %3 %4")
                                                  .arg(start)
                                                  .arg(channel)
                                                  .arg(gain ? "gain" : "offset")
                                                  .arg(value);
                        MemoryImage image = imageWith({{33, start}, {34 + channel, start}});
                        WriteOperands write;
                        const std::optional<int> stored =
                            commitCalibration(channel, part, calibrationText(value), image, write);
                        QVERIFY2(stored == value, qPrintable(where));
                        QVERIFY2(calibrationValue(image, channel, part) == value,
                                 qPrintable(where));
                        QVERIFY2((image.at(33) & ~(1 << signBit)) == (start & ~(1 << signBit)),
                                 qPrintable(where));
                        QVERIFY2((image.at(34 + channel) & otherNibble) == (start & otherNibble),
                                 qPrintable(where));
                        QVERIFY2(write.SignByte == image.at(33) &&
                                     write.WriteValue == image.at(34 + channel) &&
                                     write.StepCount == 4,
                                 qPrintable(where));
                    }
                }
            }
        }
    }
};

TARVIK_TEST_MAIN(CalibrationTest)

#include "test_calibration.moc"
