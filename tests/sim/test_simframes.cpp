#include "framebytes.h"
#include "sim/framereader.h"

#include <QtTest>

using sim::Frame;

class SimFrameReaderTest : public QObject {
    Q_OBJECT
private slots:
    void cutsFramesFromTheStream_data();
    void cutsFramesFromTheStream();
};

void SimFrameReaderTest::cutsFramesFromTheStream_data() {
    QTest::addColumn<bool>("siteLine");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<Frame>>("expected");

    QTest::newRow("plain read") << false << QByteArray::fromHex("145d00eb")
                                << QList<Frame>{{20, 93, 0, -1}};
    QTest::newRow("every plain command")
        << false << QByteArray::fromHex("140000eb482b00b798e20167ca259035bb070944570200a8")
        << QList<Frame>{{20, 0, 0, -1},     {72, 43, 0, -1}, {152, 226, 1, -1},
                        {202, 37, 144, -1}, {187, 7, 9, -1}, {87, 2, 0, -1}};
    QTest::newRow("trailer covers the command alone")
        << false << QByteArray::fromHex("14ffffeb") << QList<Frame>{{20, 255, 255, -1}};
    QTest::newRow("bad trailer skipped")
        << false << QByteArray::fromHex("145d00ea145d00eb") << QList<Frame>{{20, 93, 0, -1}};
    QTest::newRow("garbage before a frame")
        << false << QByteArray::fromHex("00ff13145d00eb") << QList<Frame>{{20, 93, 0, -1}};
    QTest::newRow("false start one byte early")
        << false << QByteArray::fromHex("14145d00eb") << QList<Frame>{{20, 93, 0, -1}};
    QTest::newRow("unknown command with its complement")
        << false << QByteArray::fromHex("210000de") << QList<Frame>{};
    QTest::newRow("incomplete frame") << false << QByteArray::fromHex("145d00") << QList<Frame>{};
    QTest::newRow("site frame on a plain line")
        << false << QByteArray::fromHex("f0145d0061") << QList<Frame>{};

    QTest::newRow("site read") << true << QByteArray::fromHex("f0145d0061")
                               << QList<Frame>{{20, 93, 0, 240}};
    QTest::newRow("site 0 sums the rest")
        << true << QByteArray::fromHex("00482b0073") << QList<Frame>{{72, 43, 0, 0}};
    QTest::newRow("site sum wraps")
        << true << QByteArray::fromHex("f0caffffb8") << QList<Frame>{{202, 255, 255, 240}};
    QTest::newRow("another site's frame")
        << true << QByteArray::fromHex("05145d0076") << QList<Frame>{{20, 93, 0, 5}};
    QTest::newRow("bad sum skipped")
        << true << QByteArray::fromHex("f0145d0060f0145d0061") << QList<Frame>{{20, 93, 0, 240}};
    QTest::newRow("unknown command with the right sum")
        << true << QByteArray::fromHex("f021000011") << QList<Frame>{};
    QTest::newRow("plain frames on a site line")
        << true << QByteArray::fromHex("145d00eb145d00eb") << QList<Frame>{};
}

// Bytes arrive in whatever pieces the port delivers; the frames found must not depend on it.
void SimFrameReaderTest::cutsFramesFromTheStream() {
    QFETCH(bool, siteLine);
    QFETCH(QByteArray, stream);
    QFETCH(QList<Frame>, expected);

    for (qsizetype piece = 1; piece <= stream.size(); ++piece) {
        sim::FrameReader reader(siteLine);
        QList<Frame> frames;
        for (qsizetype at = 0; at < stream.size(); at += piece)
            frames.append(reader.feed(stream.mid(at, piece)));
        if (frames != expected)
            qWarning("fed in pieces of %lld bytes", static_cast<long long>(piece));
        QCOMPARE(frames, expected);
    }
}

#include "testmain.h"
TARVIK_TEST_MAIN(SimFrameReaderTest)

#include "test_simframes.moc"
