#include "settingswindowrig.h"
#include "shownpage.h"
#include "widgettestmain.h"

#include "calibrationoutput.h"
#include "settings/calibration.h"
#include "settings/settingscatalogue.h"
#include "settingsoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

namespace {

// Every settings and calibration byte holds something, so each row shows a value.
std::array<quint8, 512> fullController() {
    std::array<quint8, 512> m = sampleController();
    const std::initializer_list<std::pair<int, int>> bytes{
        {83, 20},    {82, 30},    {84, 144},   {74, 20},    {86, 137},   {75, 5},     {76, 125},
        {73, 10},    {88, 0x52},  {89, 0x13},  {78, 140},   {72, 115},   {91, 0x31},  {81, 25},
        {193, 44},   {194, 1},    {198, 200},  {199, 0},    {203, 7},    {204, 3},    {116, 0x02},
        {67, 14},    {68, 15},    {96, 3},     {36, 0x1F},  {218, 0x03}, {219, 0x1D}, {230, 0x80},
        {231, 0x3F}, {234, 0x81}, {235, 0x20}, {238, 0x05}, {239, 0x25}};
    for (const auto& [address, value] : bytes)
        m[static_cast<std::size_t>(address)] = static_cast<quint8>(value);
    return m;
}

std::set<int> addressesOf(const std::vector<int>& readTypes) {
    std::set<int> addresses;
    for (const int type : readTypes)
        addresses.insert(readList(type).begin(), readList(type).end());
    return addresses;
}

QJsonObject printedJson(const ControllerLink& link, const char* command) {
    const ReadCommand* read = findReadCommand(QString::fromLatin1(command));
    const ReadResult result{link, true};
    return QJsonDocument::fromJson(read->print(result, OutputFormat::Json)).object();
}

} // namespace

// Reading every page and the calibration from a controller, in the window and in tarvik-cli.
class SettingsEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void theCommandLineReadsThePagesInOrder() {
        QCOMPARE(findReadCommand(QStringLiteral("settings"))->readTypes,
                 std::vector<int>({4, 5, 6, 7, 8}));
        QCOMPARE(findReadCommand(QStringLiteral("calibration"))->readTypes, std::vector<int>({9}));
    }

    void everyPageShowsTheControllerAndAgreesWithTheCommandLine() {
        const auto memory = fullController();
        SettingsWindowRig w(memory);
        w.open();
        w.finishReads(1);
        QJsonArray windowRows;
        for (int page = 1; page <= SettingsPageCount; ++page) {
            if (page > 1) {
                w.click(qPrintable(QStringLiteral("conbutton%1").arg(page)));
                w.finishReads(page);
            }
            QVERIFY(!w.rig.done.last().at(1).toBool());
            appendShownPage(*w.window, page, windowRows);
        }
        for (const int address : addressesOf({4, 5, 6, 7, 8}))
            QCOMPARE(int(w.rig.link.image.at(address)), int(memory[size_t(address)]));

        // A few rows checked by hand against the controller's bytes.
        QCOMPARE(windowRows.at(9).toObject().value("value").toString(), QStringLiteral("14.6"));
        QCOMPARE(windowRows.at(26).toObject().value("value").toString(), QStringLiteral("200"));
        QCOMPARE(windowRows.at(30).toObject().value("name").toString(),
                 QStringLiteral("Start Setting SOLV"));
        QCOMPARE(windowRows.at(30).toObject().value("value").toString(), QStringLiteral("12.0"));
        QCOMPARE(windowRows.at(36).toObject().value("value").toString(), QStringLiteral("528"));
        QCOMPARE(windowRows.at(40).toObject().value("value").toString(), QStringLiteral("On"));

        const QJsonObject printed = printedJson(w.rig.link, "settings");
        QCOMPARE(printed.value("settings").toArray(), windowRows);
        QCOMPARE(printed.value("complete").toBool(), true);
        QCOMPARE(printed.value("image").toObject().value("87").toInt(), 146);
        QCOMPARE(printed.value("image").toObject().size(),
                 qsizetype(addressesOf({4, 5, 6, 7, 8}).size()));
    }

    void calibrationShowsTheControllerAndAgreesWithTheCommandLine() {
        SettingsWindowRig w(fullController());
        w.open();
        w.finishReads(1);
        w.click("Calbutton");
        w.finishReads(2);
        const QJsonArray channels =
            printedJson(w.rig.link, "calibration").value("channels").toArray();
        QCOMPARE(channels.size(), CalibrationChannelCount);
        for (int row = 0; row < CalibrationChannelCount; ++row) {
            const QJsonObject channel = channels.at(row).toObject();
            QCOMPARE(channel.value("row").toInt(), row);
            QCOMPARE(channel.value("name").toString(), w.cell("sgrid1", row));
            QCOMPARE(calibrationText(channel.value("gain").toInt()), w.cell("sgrid2", row));
            QCOMPARE(calibrationText(channel.value("offset").toInt()), w.cell("sgrid3", row));
        }
        QCOMPARE(channels.at(0).toObject().value("gain").toInt(), 5);
        QCOMPARE(channels.at(5).toObject().value("offset").toInt(), -128);
        QCOMPARE(channels.at(6).toObject().value("gain").toInt(), 0);
    }
};

TARVIK_WIDGET_TEST_MAIN(SettingsEndToEndTest)

#include "test_settings_readall.moc"
