#include "testmain.h"

#include "data/currentviewfonts.h"
#include "shell/commandline.h"
#include "shell/fontchoice.h"
#include "shell/startup.h"
#include "shell/version.h"

#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void debugModeComesFromTheFirstArgumentOnly_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("debug");
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("lower") << QStringList{"-debug"} << true;
        QTest::newRow("upper") << QStringList{"-DEBUG"} << true;
        QTest::newRow("mixed, second ignored") << QStringList{"-DeBuG", "x"} << true;
        QTest::newRow("second argument") << QStringList{"x", "-debug"} << false;
        QTest::newRow("without dash") << QStringList{"debug"} << false;
        QTest::newRow("double dash") << QStringList{"--debug"} << false;
    }
    void debugModeComesFromTheFirstArgumentOnly() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, debug);
        QCOMPARE(debugModeFromArguments(arguments), debug);
    }

    void simulateOptionIsTakenFromAnywhere_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<bool>("bad");
        QTest::newRow("none") << QStringList{"-debug"} << QString() << QStringList{"-debug"}
                              << false;
        QTest::newRow("default model")
            << QStringList{"--simulate"} << "vx40" << QStringList{} << false;
        QTest::newRow("named model after debug")
            << QStringList{"-debug", "--simulate=VX60"} << "vx60" << QStringList{"-debug"} << false;
        QTest::newRow("before debug")
            << QStringList{"--simulate=vx20", "-DEBUG"} << "vx20" << QStringList{"-DEBUG"} << false;
        QTest::newRow("unknown model")
            << QStringList{"--simulate=vx99"} << "vx99" << QStringList{} << true;
        QTest::newRow("model as the next word") << QStringList{"--simulate", "VX60", "-debug"}
                                                << "vx60" << QStringList{"-debug"} << false;
        QTest::newRow("option after it is not a model")
            << QStringList{"--simulate", "-debug"} << "vx40" << QStringList{"-debug"} << false;
        QTest::newRow("unknown next word is refused")
            << QStringList{"--simulate", "vx99"} << "vx99" << QStringList{} << true;
    }
    void simulateOptionIsTakenFromAnywhere() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, model);
        QFETCH(QStringList, left);
        QFETCH(bool, bad);
        const CommandLine line = parseCommandLine(arguments);
        QCOMPARE(line.simulatedModel.value_or(QString()), model);
        QCOMPARE(line.programArguments, left);
        QCOMPARE(!line.error.isEmpty(), bad);
    }

    void helpAndVersionAskForATextInsteadOfARun_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::newRow("help") << QStringList{"--help"} << int(CommandLine::Request::Help);
        QTest::newRow("short help")
            << QStringList{"-debug", "-h"} << int(CommandLine::Request::Help);
        QTest::newRow("version after simulate")
            << QStringList{"--simulate", "--version"} << int(CommandLine::Request::Version);
        QTest::newRow("a run") << QStringList{"-debug", "--simulate=vx20"}
                               << int(CommandLine::Request::Run);
    }
    void helpAndVersionAskForATextInsteadOfARun() {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QCOMPARE(int(parseCommandLine(arguments).request), request);
    }

    void versionTextHasFourNumbers_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("text");
        QTest::newRow("three parts") << "2.10.7"
                                     << "2.10.7.0";
        QTest::newRow("four parts") << "2.10.7.338"
                                    << "2.10.7.338";
        QTest::newRow("none") << ""
                              << "0.0.0.0";
    }
    void versionTextHasFourNumbers() {
        QFETCH(QString, built);
        QFETCH(QString, text);
        QCOMPARE(T_Version(built).text(), text);
    }

    void chosenFontChangesOnlyItsLanguageWithinTheDialogSizes_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("stored");
        QTest::newRow("in range") << 11 << 11;
        QTest::newRow("too small") << 5 << 8;
        QTest::newRow("too large") << 20 << 14;
    }
    void chosenFontChangesOnlyItsLanguageWithinTheDialogSizes() {
        QFETCH(int, size);
        QFETCH(int, stored);
        LanguageFonts fonts;
        storeChosenFont(fonts, 3, QStringLiteral("Verdana"), size);
        QCOMPARE(fonts.LangFontName,
                 (std::array<QString, 4>{"Arial", "Arial", "UWPSTJ (GB)", "Verdana"}));
        QCOMPARE(fonts.LangFontSize, (std::array<int, 4>{10, 10, 12, stored}));
    }

    void currentViewSizesStayReadable_data() {
        QTest::addColumn<int>("languageSize");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("size");
        QTest::newRow("small English") << 7 << 0 << 9;
        QTest::newRow("large German") << 14 << 3 << 12;
        QTest::newRow("large Chinese") << 14 << 2 << 14;
        QTest::newRow("in between") << 10 << 1 << 10;
    }
    void currentViewSizesStayReadable() {
        QFETCH(int, languageSize);
        QFETCH(int, language);
        QFETCH(int, size);
        QCOMPARE(currentViewFontSize(languageSize, language), size);
        QCOMPARE(currentViewWaitFontSize(language), language == 1 ? 12 : 14);
    }
};

TARVIK_TEST_MAIN(StartupTest)
#include "test_startup.moc"
