#include "framebytes.h"
#include "sim/controller.h"

#include <QtTest>

Q_DECLARE_METATYPE(sim::FaultRates)

using sim::ControllerConfig;
using sim::Frame;

namespace {

constexpr int Eeprom = 256; // memory image index of EEPROM address 0

ControllerConfig stillController() {
    ControllerConfig config;
    config.drift = false;
    return config;
}

QByteArray enableEepromWrite() {
    return plainFrame(152, 226, 1);
}

// Feeds each frame on its own, as a client waiting for every reply does.
QList<QByteArray> exchange(sim::Controller& controller, const QList<QByteArray>& frames) {
    QList<QByteArray> replies;
    for (const QByteArray& frame : frames)
        replies.append(sim::joinedBytes(controller.receive(frame)));
    return replies;
}

} // namespace

class SimControllerTest : public QObject {
    Q_OBJECT
private slots:
    void answersFrames_data();
    void answersFrames();
    void resetReloadsSettingsFromTheirCopies_data();
    void resetReloadsSettingsFromTheirCopies();
    void resetLeavesOtherRamAlone_data();
    void resetLeavesOtherRamAlone();
    void takesASettingProgrammedByTheClient();
    void anotherSitesFrameLeavesTheEnable();
    void answersOnlyItsOwnSite_data();
    void answersOnlyItsOwnSite();
    void logsEveryFrameHeardInOrder();
    void siteInterfaceMovesToTheNewSite_data();
    void siteInterfaceMovesToTheNewSite();
    void faultsAtCertainty_data();
    void faultsAtCertainty();
    void faultsFollowTheirProbability_data();
    void faultsFollowTheirProbability();
    void faultsRepeatWithTheSeed();
    void lostWritesFollowTheirProbability();
    void alarmUnitTakesEepromWritesAtOnce();
};

// The frames before the last one prepare the controller; the last one's reply and one memory
// byte afterwards are what counts.
void SimControllerTest::answersFrames_data() {
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");

    QTest::newRow("RAM write then read") << QList{plainFrame(152, 10, 0x5A), plainFrame(20, 10, 0)}
                                         << bytes({200, 0x5A}) << 10 << 0x5A;
    QTest::newRow("RAM write answers done")
        << QList{plainFrame(152, 10, 0x5A)} << bytes({201}) << 10 << 0x5A;
    QTest::newRow("EEPROM read is not the RAM byte")
        << QList{plainFrame(152, 10, 0x11), enableEepromWrite(), plainFrame(202, 10, 0x77),
                 plainFrame(72, 10, 0)}
        << bytes({200, 0x77}) << 10 << 0x11;
    QTest::newRow("loopback echoes the data byte")
        << QList{plainFrame(187, 7, 9)} << bytes({200, 9}) << 7 << 0;
    QTest::newRow("EEPROM write refused without enable")
        << QList{plainFrame(202, 10, 0x77)} << bytes({243}) << Eeprom + 10 << 0;
    QTest::newRow("EEPROM write after enable")
        << QList{enableEepromWrite(), plainFrame(202, 10, 0x77)} << bytes({201}) << Eeprom + 10
        << 0x77;
    QTest::newRow("EEPROM write clears the enable")
        << QList{enableEepromWrite(), plainFrame(202, 10, 0x77)} << bytes({201}) << 226 << 0;
    QTest::newRow("one enable takes one EEPROM write")
        << QList{enableEepromWrite(), plainFrame(202, 10, 0x77), plainFrame(202, 11, 0x66)}
        << bytes({243}) << Eeprom + 11 << 0;
    QTest::newRow("enable must be exactly 1")
        << QList{plainFrame(152, 226, 2), plainFrame(202, 10, 0x77)} << bytes({243}) << Eeprom + 10
        << 0;
    QTest::newRow("refused write keeps the enable")
        << QList{plainFrame(202, 10, 0x77), enableEepromWrite(), plainFrame(202, 10, 0x78)}
        << bytes({201}) << Eeprom + 10 << 0x78;
    QTest::newRow("a read between withdraws the enable")
        << QList{enableEepromWrite(), plainFrame(20, 10, 0), plainFrame(202, 10, 0x77)}
        << bytes({243}) << Eeprom + 10 << 0;
    QTest::newRow("a RAM write between withdraws the enable")
        << QList{enableEepromWrite(), plainFrame(152, 11, 5), plainFrame(202, 10, 0x77)}
        << bytes({243}) << Eeprom + 10 << 0;
    QTest::newRow("a loopback between withdraws the enable")
        << QList{enableEepromWrite(), plainFrame(187, 0, 0), plainFrame(202, 10, 0x77)}
        << bytes({243}) << Eeprom + 10 << 0;
    QTest::newRow("an enable repeated still holds")
        << QList{enableEepromWrite(), enableEepromWrite(), plainFrame(202, 10, 0x77)}
        << bytes({201}) << Eeprom + 10 << 0x77;
    QTest::newRow("processor reset answers done")
        << QList{plainFrame(87, 2, 0)} << bytes({201}) << 226 << 0;
    QTest::newRow("reset command elsewhere is not taken")
        << QList{plainFrame(152, 87, 0xAA), plainFrame(87, 3, 0)} << QByteArray() << 87 << 0xAA;
}

void SimControllerTest::answersFrames() {
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QByteArray, reply);
    QFETCH(int, index);
    QFETCH(int, value);

    sim::Controller controller(stillController());
    controller.setImageByte(Eeprom + 10, 0);
    controller.setImageByte(Eeprom + 11, 0);
    controller.setImageByte(7, 0);
    const QList<QByteArray> replies = exchange(controller, frames);
    QCOMPARE(replies.last(), reply);
    QCOMPARE(controller.imageByte(index), value);
}

void SimControllerTest::resetReloadsSettingsFromTheirCopies_data() {
    QTest::addColumn<int>("ram");
    QTest::addColumn<int>("eeprom");

    QTest::newRow("first generator setting") << 64 << 14;
    QTest::newRow("boost maximum") << 87 << 37;
    QTest::newRow("system voltage") << 93 << 43;
    QTest::newRow("battery capacity") << 94 << 44;
    QTest::newRow("lockout and calibration signs") << 33 << 0;
    QTest::newRow("48 V calibration") << 36 << 3;
    QTest::newRow("charge current offset") << 214 << 4;
    QTest::newRow("load current gain") << 219 << 7;
    QTest::newRow("B- sense gain") << 239 << 13;
}

void SimControllerTest::resetReloadsSettingsFromTheirCopies() {
    QFETCH(int, ram);
    QFETCH(int, eeprom);

    sim::Controller controller(stillController());
    const QList<QByteArray> replies =
        exchange(controller, {plainFrame(152, ram, 0xAA), enableEepromWrite(),
                              plainFrame(202, eeprom, 0x55), plainFrame(87, 2, 0)});
    QCOMPARE(replies, (QList{bytes({201}), bytes({201}), bytes({201}), bytes({201})}));
    QCOMPARE(controller.imageByte(ram), 0x55);
}

void SimControllerTest::resetLeavesOtherRamAlone_data() {
    QTest::addColumn<int>("ram");

    QTest::newRow("clock") << 48;
    QTest::newRow("just below the settings") << 63;
    QTest::newRow("just above the settings") << 95;
    QTest::newRow("regulation state") << 101;
    QTest::newRow("outputs") << 115;
    QTest::newRow("state of charge") << 181;
    QTest::newRow("battery voltage") << 221;
}

void SimControllerTest::resetLeavesOtherRamAlone() {
    QFETCH(int, ram);

    sim::Controller controller(stillController());
    const QByteArray eepromBefore = controller.image().mid(Eeprom);
    exchange(controller, {plainFrame(152, ram, 0xAA), plainFrame(87, 2, 0)});
    QCOMPARE(controller.imageByte(ram), 0xAA);
    QCOMPARE(controller.image().mid(Eeprom), eepromBefore);
}

// What the program sends for a boost maximum of 14.4 V: enable, EEPROM copy, RAM copy.
void SimControllerTest::takesASettingProgrammedByTheClient() {
    sim::Controller controller(stillController());
    const QList<QByteArray> replies =
        exchange(controller, {QByteArray::fromHex("98e20167"), QByteArray::fromHex("ca259035"),
                              QByteArray::fromHex("98579067")});
    QCOMPARE(replies, (QList{bytes({201}), bytes({201}), bytes({201})}));
    QCOMPARE(controller.imageByte(Eeprom + 37), 144);
    QCOMPARE(controller.imageByte(87), 144);
    QCOMPARE(controller.imageByte(226), 0);
}

// Only this controller's own frames come between its enable and its EEPROM write.
void SimControllerTest::anotherSitesFrameLeavesTheEnable() {
    ControllerConfig config = stillController();
    config.site = 3;
    sim::Controller controller(config);
    const QList<QByteArray> replies =
        exchange(controller,
                 {siteFrame(3, 152, 226, 1), siteFrame(4, 20, 10, 0), siteFrame(3, 202, 10, 0x77)});
    QCOMPARE(replies, (QList{bytes({201}), QByteArray(), bytes({201})}));
    QCOMPARE(controller.imageByte(Eeprom + 10), 0x77);
}

void SimControllerTest::answersOnlyItsOwnSite_data() {
    QTest::addColumn<int>("site");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("answered");

    QTest::newRow("plain line, plain frame") << -1 << plainFrame(20, 93, 0) << true;
    QTest::newRow("plain line, site frame") << -1 << siteFrame(240, 20, 93, 0) << false;
    QTest::newRow("own site") << 240 << siteFrame(240, 20, 93, 0) << true;
    QTest::newRow("site 0") << 0 << siteFrame(0, 20, 93, 0) << true;
    QTest::newRow("another site") << 240 << siteFrame(239, 20, 93, 0) << false;
    QTest::newRow("site line, plain frame") << 240 << plainFrame(20, 93, 0) << false;
    QTest::newRow("another site's write") << 7 << siteFrame(8, 152, 93, 0) << false;
}

void SimControllerTest::answersOnlyItsOwnSite() {
    QFETCH(int, site);
    QFETCH(QByteArray, frame);
    QFETCH(bool, answered);

    ControllerConfig config = stillController();
    config.site = site;
    sim::Controller controller(config);
    const QByteArray before = controller.image();
    const QByteArray reply = sim::joinedBytes(controller.receive(frame));
    QCOMPARE(reply.isEmpty(), !answered);
    if (!answered)
        QCOMPARE(controller.image(), before);
}

void SimControllerTest::logsEveryFrameHeardInOrder() {
    ControllerConfig config = stillController();
    config.site = 3;
    sim::Controller controller(config);
    controller.receive(siteFrame(3, 20, 221, 0) + QByteArray::fromHex("ff") +
                       siteFrame(4, 152, 10, 1));
    controller.receive(siteFrame(3, 202, 37, 144).left(2));
    controller.receive(siteFrame(3, 202, 37, 144).mid(2));
    QCOMPARE(controller.frames(),
             (QList<Frame>{{20, 221, 0, 3}, {152, 10, 1, 4}, {202, 37, 144, 3}}));
    controller.clearFrames();
    QVERIFY(controller.frames().isEmpty());
}

// The set-site exchange: the key to 101 is acknowledged, the key's address with the new number
// moves the interface, which then answers there only.
void SimControllerTest::siteInterfaceMovesToTheNewSite_data() {
    QTest::addColumn<bool>("siteInterface");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<int>("siteAfter");

    const QByteArray key = siteFrame(3, 187, 101, 77);
    const QByteArray newSite = siteFrame(3, 187, 77, 12);
    QTest::newRow("exchange") << true << QList{key, newSite} << QList{bytes({250}), bytes({12})}
                              << 12;
    QTest::newRow("without an interface the controller loops back")
        << false << QList{key, newSite} << QList{bytes({200, 77}), bytes({200, 12})} << 3;
    QTest::newRow("another frame in between ends the exchange")
        << true << QList{key, siteFrame(3, 20, 0, 0), newSite}
        << QList{bytes({250}), bytes({200, 3}), bytes({200, 12})} << 3;
    QTest::newRow("no site above 240") << true << QList{key, siteFrame(3, 187, 77, 241)}
                                       << QList{bytes({250}), bytes({200, 241})} << 3;
}

void SimControllerTest::siteInterfaceMovesToTheNewSite() {
    QFETCH(bool, siteInterface);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(int, siteAfter);

    ControllerConfig config = stillController();
    config.model = sim::Model::VX20; // RAM 0 holds 3
    config.site = 3;
    config.siteInterface = siteInterface;
    sim::Controller controller(config);
    QCOMPARE(exchange(controller, frames), replies);
    QCOMPARE(controller.config().site, siteAfter);
    const QByteArray read = siteFrame(siteAfter, 20, 0, 0);
    QCOMPARE(sim::joinedBytes(controller.receive(read)), bytes({200, 3}));
}

void SimControllerTest::faultsAtCertainty_data() {
    QTest::addColumn<sim::FaultRates>("rates");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QList<int>>("chunkSizes");
    QTest::addColumn<int>("changedBytes");

    QTest::newRow("no faults") << sim::FaultRates{} << plainFrame(20, 221, 0) << QList{2} << 0;
    QTest::newRow("dropped") << sim::FaultRates{1.0, 0, 0, false} << plainFrame(20, 221, 0)
                             << QList<int>{} << 0;
    QTest::newRow("noise on a read")
        << sim::FaultRates{0, 1.0, 0, false} << plainFrame(20, 221, 0) << QList{2} << 1;
    QTest::newRow("noise on a write")
        << sim::FaultRates{0, 1.0, 0, false} << plainFrame(152, 10, 0) << QList{1} << 1;
    QTest::newRow("late data byte")
        << sim::FaultRates{0, 0, 1.0, false} << plainFrame(20, 221, 0) << QList{1, 1} << 0;
    QTest::newRow("late data needs a data byte")
        << sim::FaultRates{0, 0, 1.0, false} << plainFrame(152, 10, 0) << QList{1} << 0;
    QTest::newRow("silent") << sim::FaultRates{0, 0, 0, true} << plainFrame(20, 221, 0)
                            << QList<int>{} << 0;
    QTest::newRow("lost RAM write")
        << sim::FaultRates{0, 0, 0, false, 1.0} << plainFrame(152, 10, 0) << QList<int>{} << 0;
    QTest::newRow("lost EEPROM write")
        << sim::FaultRates{0, 0, 0, false, 1.0} << plainFrame(202, 10, 0) << QList<int>{} << 0;
    QTest::newRow("lost writes spare the reads")
        << sim::FaultRates{0, 0, 0, false, 1.0} << plainFrame(20, 221, 0) << QList{2} << 0;
}

void SimControllerTest::faultsAtCertainty() {
    QFETCH(sim::FaultRates, rates);
    QFETCH(QByteArray, frame);
    QFETCH(QList<int>, chunkSizes);
    QFETCH(int, changedBytes);

    sim::Controller clean(stillController());
    ControllerConfig config = stillController();
    config.faults = rates;
    sim::Controller faulty(config);
    for (int round = 0; round < 50; ++round) {
        const QByteArray expected = sim::joinedBytes(clean.receive(frame));
        const QList<sim::ReplyChunk> chunks = faulty.receive(frame);
        QList<int> sizes;
        for (const sim::ReplyChunk& chunk : chunks)
            sizes.append(int(chunk.bytes.size()));
        QCOMPARE(sizes, chunkSizes);
        if (chunks.isEmpty())
            continue;
        QCOMPARE(chunks.first().delayMs, sim::TurnaroundMs);
        if (chunks.size() == 2)
            QVERIFY(chunks.last().delayMs >= 150 && chunks.last().delayMs <= 300);
        const QByteArray received = sim::joinedBytes(chunks);
        int changed = 0;
        for (qsizetype at = 0; at < received.size(); ++at)
            changed += received.at(at) != expected.at(at) ? 1 : 0;
        QCOMPARE(changed, changedBytes);
    }
}

void SimControllerTest::faultsFollowTheirProbability_data() {
    QTest::addColumn<sim::FaultRates>("rates");
    QTest::addColumn<double>("probability");

    QTest::newRow("drop") << sim::FaultRates{0.3, 0, 0, false} << 0.3;
    QTest::newRow("noise") << sim::FaultRates{0, 0.5, 0, false} << 0.5;
    QTest::newRow("late data") << sim::FaultRates{0, 0, 0.1, false} << 0.1;
}

// Counts replies that differ from the clean controller's in bytes or in timing.
void SimControllerTest::faultsFollowTheirProbability() {
    QFETCH(sim::FaultRates, rates);
    QFETCH(double, probability);

    constexpr int Rounds = 2000;
    sim::Controller clean(stillController());
    ControllerConfig config = stillController();
    config.faults = rates;
    sim::Controller faulty(config);
    int faults = 0;
    for (int round = 0; round < Rounds; ++round) {
        const QByteArray frame = plainFrame(20, round % 256, 0);
        faults += faulty.receive(frame) != clean.receive(frame) ? 1 : 0;
    }
    QVERIFY2(qAbs(faults - probability * Rounds) < 0.05 * Rounds,
             qPrintable(QString::number(faults)));
}

void SimControllerTest::faultsRepeatWithTheSeed() {
    ControllerConfig config = stillController();
    config.faults = {0.2, 0.2, 0.2, false};
    sim::Controller first(config);
    sim::Controller second(config);
    config.seed = 2;
    sim::Controller otherSeed(config);
    QList<QList<sim::ReplyChunk>> firstReplies, secondReplies, otherReplies;
    for (int round = 0; round < 200; ++round) {
        const QByteArray frame = plainFrame(20, round % 256, 0);
        firstReplies.append(first.receive(frame));
        secondReplies.append(second.receive(frame));
        otherReplies.append(otherSeed.receive(frame));
    }
    QVERIFY(firstReplies == secondReplies);
    QVERIFY(firstReplies != otherReplies);
}

// A lost write is neither answered nor taken, yet the line's log shows it was sent.
void SimControllerTest::lostWritesFollowTheirProbability() {
    constexpr int Rounds = 2000;
    constexpr int Address = 10;
    ControllerConfig config = stillController();
    config.faults.dropWrites = 0.3;
    sim::Controller controller(config);
    controller.setImageByte(Address, 0);
    int lost = 0;
    for (int round = 0; round < Rounds; ++round) {
        const int value = round % 255 + 1; // never what an earlier round left behind
        const QByteArray reply =
            sim::joinedBytes(controller.receive(plainFrame(152, Address, value)));
        const bool taken = controller.imageByte(Address) == value;
        QCOMPARE(reply.isEmpty(), !taken);
        lost += taken ? 0 : 1;
    }
    QCOMPARE(controller.frames().size(), Rounds);
    QVERIFY2(qAbs(lost - 0.3 * Rounds) < 0.05 * Rounds, qPrintable(QString::number(lost)));
}

// The alarm unit has no write enable: an EEPROM write lands as it comes, where a controller
// refuses it.
void SimControllerTest::alarmUnitTakesEepromWritesAtOnce() {
    ControllerConfig config = stillController();
    config.model = sim::Model::VXA;
    sim::Controller unit(config);
    QCOMPARE(sim::joinedBytes(unit.receive(plainFrame(202, 14, 77))), bytes({201}));
    QCOMPARE(int(unit.imageByte(Eeprom + 14)), 77);

    sim::Controller controller(stillController());
    const int before = controller.imageByte(Eeprom + 14);
    QCOMPARE(sim::joinedBytes(controller.receive(plainFrame(202, 14, 77))), bytes({243}));
    QCOMPARE(int(controller.imageByte(Eeprom + 14)), before);
}

#include "testmain.h"
TARVIK_TEST_MAIN(SimControllerTest)

#include "test_simcontroller.moc"
