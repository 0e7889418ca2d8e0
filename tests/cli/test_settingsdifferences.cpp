#include "testmain.h"

#include "settingsdifferences.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

using Bytes = QList<QPair<int, int>>;

// A VX40 on a 12 V system with a few settings and calibration values that are not zero.
MemoryImage baseImage() {
    MemoryImage image;
    for (const auto& [address, value] : Bytes{{0, 131},
                                              {93, 0x10},
                                              {87, 146},
                                              {90, 0x00},
                                              {79, 24},
                                              {33, 0x07},
                                              {34, 0x35},
                                              {215, 0x22}})
        image.store(address, static_cast<std::uint8_t>(value));
    return image;
}

MemoryImage with(MemoryImage image, const Bytes& bytes) {
    for (const auto& [address, value] : bytes)
        image.store(address, static_cast<std::uint8_t>(value));
    return image;
}

// "page number name|file|controller|unit" of each difference, for compact expectations.
QStringList described(const std::vector<SettingDifference>& differences) {
    QStringList out;
    for (const SettingDifference& d : differences)
        out << QStringLiteral("%1 %2 %3|%4|%5|%6")
                   .arg(d.page)
                   .arg(d.number)
                   .arg(d.name, d.file, d.controller, d.unit);
    return out;
}

} // namespace

// What "tarvik-cli diff" reports: the settings and calibration values a user would see differ.
class SettingsDifferencesTest : public QObject {
    Q_OBJECT
private slots:
    void shownTextsAreCompared_data() {
        QTest::addColumn<Bytes>("controller"); // changes to the file's image
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("same image") << Bytes{} << QStringList{};
        QTest::newRow("boost maximum")
            << Bytes{{87, 148}} << QStringList{"2 9 BMAX Boost Maximum Voltage|14.6|14.8|V"};
        QTest::newRow("two-byte amp-hours")
            << Bytes{{189, 1}} << QStringList{"4 36 CINT Set Int Charge Ah|0|256|Ah"};
        QTest::newRow("start mode renames the file's start value")
            << Bytes{{90, 0x0E}}
            << QStringList{"4 29 STRT Event Start Condition|0|14|",
                           "4 30 Start Setting SOLV|12.0|24|V"};
        QTest::newRow("lockout only, signs alike")
            << Bytes{{33, 0x87}} << QStringList{"1 3 Settings Lockout flag|Locked|Adjust|"};
        QTest::newRow("a bit no setting shows") << Bytes{{93, 0x18}} << QStringList{};
        QTest::newRow("calibration gain and offset")
            << Bytes{{215, 0x20}, {34, 0x25}}
            << QStringList{"6 0 12V Voltage Range offset|3|2|", "6 3 Charge Current gain|2|0|"};
        QTest::newRow("sign bit of a voltage range gain")
            << Bytes{{33, 0x06}} << QStringList{"6 0 12V Voltage Range gain|5|-11|"};
    }
    void shownTextsAreCompared() {
        QFETCH(Bytes, controller);
        QFETCH(QStringList, differences);
        QCOMPARE(described(settingsDifferences(baseImage(), with(baseImage(), controller))),
                 differences);
    }

    void jsonListsEachDifference() {
        const auto differences =
            settingsDifferences(baseImage(), with(baseImage(), {{87, 148}, {215, 0x20}}));
        const QJsonObject json =
            QJsonDocument::fromJson(printDifferences(differences, OutputFormat::Json)).object();
        const QJsonArray list = json.value("differences").toArray();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).toObject(), (QJsonObject{{"page", 2},
                                                     {"number", 9},
                                                     {"name", "BMAX Boost Maximum Voltage"},
                                                     {"file", "14.6"},
                                                     {"controller", "14.8"},
                                                     {"unit", "V"}}));
        QCOMPARE(list.at(1).toObject().value("page").toInt(), CalibrationPage);
        const QJsonObject none =
            QJsonDocument::fromJson(printDifferences({}, OutputFormat::Json)).object();
        QCOMPARE(none, (QJsonObject{{"differences", QJsonArray()}}));
    }

    void textHasAHeaderAndOneLineEach() {
        const auto differences =
            settingsDifferences(baseImage(), with(baseImage(), {{87, 148}, {215, 0x20}}));
        const QStringList lines =
            QString::fromUtf8(printDifferences(differences, OutputFormat::Text)).split('\n');
        QCOMPARE(lines.size(), 4); // header, two differences, the final newline
        QVERIFY(lines.at(0).startsWith("Page Setting"));
        QVERIFY(lines.at(0).endsWith("File Controller Unit"));
        QCOMPARE(lines.at(1).simplified(),
                 QStringLiteral("REG BMAX Boost Maximum Voltage 14.6 14.8 V"));
        QCOMPARE(lines.at(2).simplified(), QStringLiteral("CAL Charge Current gain 2 0"));
        QCOMPARE(printDifferences({}, OutputFormat::Text),
                 QByteArray("No differences: the controller holds the file's settings.\n"));
    }
};

TARVIK_TEST_MAIN(SettingsDifferencesTest)

#include "test_settingsdifferences.moc"
