#include "testmain.h"

#include "platform/richcomposer.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QTest>

Q_DECLARE_METATYPE(RichDocument)

namespace {

RichDocument composed(const std::function<void(RichComposer&)>& compose) {
    RichDocument document;
    RichComposer edit(document);
    compose(edit);
    return document;
}

} // namespace

class RtfCodecTest : public QObject {
    Q_OBJECT
private slots:
    void documentsSurviveWritingAndReading_data() {
        QTest::addColumn<RichDocument>("document");
        QTest::newRow("empty") << RichDocument{};
        QTest::newRow("colours, sizes and tab stops") << composed([](RichComposer& edit) {
            edit.setTabStop(0, 100);
            edit.setTabStop(1, 150);
            edit.setColour(RichColours::Red);
            edit.append(QStringLiteral("----\r\n"));
            edit.setColour(RichColours::Blue);
            edit.setSize(13);
            edit.append(QStringLiteral("VX DATA"));
            edit.setColour(RichColours::Black);
            edit.setSize(10);
            edit.line(QStringLiteral("  a\tb\tc"));
            edit.setTabStop(0, 45);
            edit.line(QString());
        });
        QTest::newRow("every language and awkward characters") << composed([](RichComposer& edit) {
            edit.line(QStringLiteral("历史数据 Verstärkung Kalibrier-Einstellungen"));
            edit.line(QStringLiteral("{braces} back\\slash ~ 45 oC 45.6<V<60.2 €"));
            edit.append(QStringLiteral("\U0001F600 \u00A0 \u0001 end"));
        });
        QTest::newRow("another font") << [] {
            RichDocument document;
            document.fontName = QStringLiteral("WenQuanYi Micro Hei");
            document.paragraphs.first().runs.append({QStringLiteral("x"), RichColour{1, 2, 3}, 7});
            return document;
        }();
    }
    void documentsSurviveWritingAndReading() {
        QFETCH(RichDocument, document);
        const QByteArray rtf = writeRtf(document);
        QCOMPARE(readRtf(rtf), document);
        QCOMPARE(writeRtf(readRtf(rtf)), rtf);
    }

    void writerDeclaresCodePageAndEscapesEveryNonAsciiCharacter() {
        RichDocument document;
        document.paragraphs.first().runs.append(
            {QStringLiteral("Verstärkung 数高\t{x}"), RichColours::Blue, 26});
        const QByteArray rtf = writeRtf(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
        QVERIFY(rtf.contains("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}"));
        // U+9AD8 is above 32767, so it goes out negative.
        QVERIFY(rtf.contains("\\cf2\\fs26 Verst\\u228?rkung \\u25968?\\u-25896?\\tab \\{x\\}"));
        for (const char byte : rtf)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);
    }

    void readerToleratesWhatOtherProgramsWrite_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown words and destinations")
            << QByteArray(
                   "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\*\\generator Word;}{\\info{\\title T}}"
                   "\\widowctrl\\f0\\lang1031 Hallo\\par Welt}")
            << QStringLiteral("Hallo\nWelt");
        QTest::newRow("code page bytes")
            << QByteArray("{\\rtf1 gr\\'fc\\'DF \\'80}") << QStringLiteral("grüß €");
        QTest::newRow("unicode with fallbacks")
            << QByteArray("{\\rtf1\\uc2 \\u25968\\'ca\\'fd!{\\uc0\\u-25896}\\uc1\\u228 a}")
            << QStringLiteral("数!高ä");
        QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\{a\\}\\\\b\\~c\\_d\\-e}")
                                         << QStringLiteral("{a}\\b\u00A0c-de");
        QTest::newRow("binary skipped")
            << QByteArray("{\\rtf1 a{\\pict\\bin3 }}}b}c}") << QStringLiteral("ac");
        QTest::newRow("unbalanced and cut short")
            << QByteArray("}}{\\rtf1 {{a\\par b\\u") << QStringLiteral("a\nb");
        QTest::newRow("huge numbers")
            << QByteArray("{\\rtf1\\fs99999999999999 x\\u99999999 y}") << QStringLiteral("x\uFFFF");
    }
    void readerToleratesWhatOtherProgramsWrite() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(readRtf(rtf).plainText(), text);
    }

    void readerTakesColoursSizesAndTabStops() {
        const RichDocument document = readRtf(
            "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\pard\\tx2000\\tx3000\\cf1\\fs20 red\\cf2\\fs26 blue\\par\\cf5 auto\\plain plain}");
        QCOMPARE(document.paragraphs.size(), 2);
        QCOMPARE(document.paragraphs.at(0).tabStops, QList<int>({2000, 3000}));
        QCOMPARE(document.paragraphs.at(1).tabStops, QList<int>({2000, 3000}));
        QCOMPARE(document.paragraphs.at(0).runs,
                 QList<RichRun>({{QStringLiteral("red"), RichColours::Red, 20},
                                 {QStringLiteral("blue"), RichColours::Blue, 26}}));
        QCOMPARE(document.paragraphs.at(1).runs,
                 QList<RichRun>({{QStringLiteral("auto"), RichColours::Black, 26},
                                 {QStringLiteral("plain"), RichColours::Black, 24}}));
    }

    void otherFilesLoadAsPlainText() {
        const RichDocument document = readRichOrPlainText("first\r\nsecond\tcol\nlast");
        QCOMPARE(document.plainText(), QStringLiteral("first\nsecond\tcol\nlast"));
        QCOMPARE(document.paragraphs.size(), 3);
    }
};

class RichComposerTest : public QObject {
    Q_OBJECT
private slots:
    void lineBreaksOpenParagraphsThatKeepTheTabStops() {
        const RichDocument document = composed([](RichComposer& edit) {
            edit.setTabStop(0, 100);
            edit.append(QStringLiteral("a\r\nb\rc\nd"));
            edit.setTabStop(1, 150);
            edit.setTabStop(0, 45);
        });
        QCOMPARE(document.plainText(), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(document.paragraphs.first().tabStops, QList<int>({2000}));
        QCOMPARE(document.paragraphs.last().tabStops, QList<int>({900, 3000}));
    }

    void lastTabStopIndexCountsTheOpenParagraph_data() {
        QTest::addColumn<int>("stops");
        QTest::addColumn<int>("index");
        QTest::newRow("none") << 0 << -1;
        QTest::newRow("four") << 4 << 3;
        QTest::newRow("capped at 30") << 40 << 30;
    }
    void lastTabStopIndexCountsTheOpenParagraph() {
        QFETCH(int, stops);
        QFETCH(int, index);
        RichDocument document;
        RichComposer edit(document);
        for (int i = 0; i < stops; ++i)
            edit.setTabStop(i, 10 * i);
        QCOMPARE(edit.lastTabStopIndex(), index);
    }

    void runsOfOneFormatJoin() {
        const RichDocument document = composed([](RichComposer& edit) {
            edit.append(QStringLiteral("a"));
            edit.append(QStringLiteral("b"));
            edit.setColour(RichColours::Red);
            edit.append(QStringLiteral("c"));
        });
        QCOMPARE(document.paragraphs.first().runs.size(), 2);
        QCOMPARE(document.paragraphs.first().runs.first().text, QStringLiteral("ab"));
    }
};

TARVIK_TEST_MAIN(RtfCodecTest, RichComposerTest)

#include "test_richtext.moc"
