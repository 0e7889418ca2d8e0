#include "recordsfixture.h"
#include "testmain.h"

#include "data/csvwriter.h"
#include "data/history.h"
#include "data/logentrycomposer.h"
#include "data/logfile.h"
#include "data/logschedule.h"
#include "data/reportcomposer.h"
#include "data/reportfile.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace RecordsFixture;

namespace {

const QStringList Languages{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("zh"),
                            QStringLiteral("de")};

ReportHeading headingAt(const QDateTime& when, int language) {
    return {reportDateText(when, QLocale::c()), reportTimeText(when, QLocale::c()),
            connectionText(true, QString(), language), QStringLiteral("QTSDATA1")};
}

RichDocument report(const MemoryImage& image, const DataValidFlags& valid,
                    const ReportSections& sections, int language,
                    RichDocument document = RichDocument{}) {
    const ControllerIdentity identity;
    RichComposer edit(document);
    ComposeReport(edit, {image, identity, valid, language}, sections,
                  headingAt(moment(), language));
    return document;
}

// Two entries, a quarter of an hour apart, into a new log and a new CSV line list.
QPair<RichDocument, QStringList> twoLogEntries(int language) {
    const MemoryImage image = RecordsFixture::image();
    const ControllerIdentity identity;
    RichDocument document;
    RichComposer edit(document);
    T_objCSV csv(LogColumnCount, QString());
    QStringList lines;
    for (const int minutes : {0, 15}) {
        const QDateTime when = moment(minutes);
        ComposeLogEntry(edit, csv,
                        {image, identity, language, reportDateText(when, QLocale::c()),
                         reportTimeText(when, QLocale::c()), false});
        lines.append(csv.BuildLine());
    }
    return {document, lines};
}

// The written fields of a line, quotes kept: commas inside quotes do not split.
QStringList splitCsvLine(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u',' && !quoted) {
            fields.append(QString());
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        fields.last() += c;
    }
    return fields;
}

QStringList paragraphTexts(const RichDocument& document) {
    return document.plainText().split(u'\n');
}

} // namespace

class RecordGoldenTest : public QObject {
    Q_OBJECT
private slots:
    void reportWithEverySection_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 2;
    }
    void reportWithEverySection() {
        QFETCH(int, language);
        const RichDocument document =
            report(image(), everythingValid(), {true, true, true, true}, language);
        QVERIFY(matchesGolden(writeRtf(document),
                              QStringLiteral("report-all-%1.rtf").arg(Languages.at(language))));
    }

    void twoLogEntries_data() { reportWithEverySection_data(); }
    void twoLogEntries() {
        QFETCH(int, language);
        const auto [document, lines] = ::twoLogEntries(language);
        const QString name = QStringLiteral("log-two-entries-%1").arg(Languages.at(language));
        QVERIFY(matchesGolden(writeRtf(document), name + QStringLiteral(".rtf")));
        QVERIFY(
            matchesGolden((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(),
                          name + QStringLiteral(".csv")));
    }

    void goldenFilesReadBackAsWritten_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"report-all-en.rtf", "report-all-zh.rtf", "log-two-entries-en.rtf",
                                 "log-two-entries-zh.rtf"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void goldenFilesReadBackAsWritten() {
        QFETCH(QString, name);
        QFile file(goldenPath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rtf = file.readAll();
        QCOMPARE(writeRtf(readRtf(rtf)), rtf);
    }
};

class ReportBlocksTest : public QObject {
    Q_OBJECT
private slots:
    void historyAloneGivesHeadingAndThirtyRows() {
        const RichDocument document =
            report(MemoryImage{}, everythingValid(), {false, true, false, false}, 0);
        const QStringList lines = paragraphTexts(document);
        QCOMPARE(lines.at(0), QString());
        QCOMPARE(lines.at(1), QString(62, u'-'));
        QVERIFY(lines.at(2).startsWith(QStringLiteral("VX DATA  ")));
        QVERIFY(lines.at(2).endsWith(QStringLiteral("    Direct Connection")));
        QCOMPARE(lines.at(3), QStringLiteral("File Name: QTSDATA1"));
        QCOMPARE(lines.at(5), QString());
        QCOMPARE(lines.at(6), QStringLiteral("HISTORY DATA"));
        QCOMPARE(lines.at(7), QStringLiteral("Day\tIN\tOUT\tVMAX\tVMIN\tFTIM\tSOC"));
        QCOMPARE(lines.at(8), QStringLiteral("\tAh\tAh\tV\tV\tHr\t%"));
        QCOMPARE(lines.at(9), QStringLiteral("1\t0\t0\t0.0\t0.0\t0.0\t0"));
        QCOMPARE(lines.at(38), QStringLiteral("30\t0\t0\t0.0\t0.0\t0.0\t0"));
        QCOMPARE(lines.size(), 40);
        QCOMPARE(lines.at(39), QString());
    }

    void unreadCurrentStateLeavesOutItsBlocks_data() {
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("status");
        QTest::addColumn<int>("lines");
        QTest::newRow("neither read") << false << false << 6;
        QTest::newRow("current only") << true << false << 12;
        QTest::newRow("status only") << false << true << 9;
        QTest::newRow("both") << true << true << 15;
    }
    void unreadCurrentStateLeavesOutItsBlocks() {
        QFETCH(bool, current);
        QFETCH(bool, status);
        QFETCH(int, lines);
        DataValidFlags valid;
        valid.CurrentDataValid = current;
        valid.StatusDataValid = status;
        const RichDocument document = report(image(), valid, {true, false, false, false}, 0);
        QCOMPARE(paragraphTexts(document).size(), lines);
    }

    void settingsBlockShowsOnlyPagesDrawn() {
        DataValidFlags valid;
        valid.SettingsPageValid = {false, true, false, false, true};
        const QStringList lines =
            paragraphTexts(report(image(), valid, {false, false, true, false}, 0));
        QVERIFY(lines.contains(QStringLiteral("CONTROL SETTINGS")));
        QVERIFY(lines.contains(QStringLiteral("REG")));
        QVERIFY(lines.contains(QStringLiteral("GEN")));
        QVERIFY(!lines.contains(QStringLiteral("SET")));
        QVERIFY(!lines.contains(QStringLiteral("MODE")));
        // A title and 12 rows of REG, a title and 9 rows of GEN.
        QCOMPARE(lines.size(), 6 + 1 + 13 + 10);
    }

    // Tab stops beyond the fourth follow the paragraph the report starts in; the history block
    // sets as many stops as that paragraph had.
    void tabStopsFollowTheParagraphTheReportStartsIn_data() {
        QTest::addColumn<int>("stopsBefore");
        QTest::addColumn<QList<int>>("headingStops");
        QTest::addColumn<QList<int>>("historyStops");
        QTest::newRow("new document")
            << 0 << QList<int>{100, 150, 210, 295} << QList<int>{100, 150, 210, 295};
        QTest::newRow("after a report")
            << 4 << QList<int>{100, 150, 210, 295} << QList<int>{45, 85, 125, 165};
        QTest::newRow("six stops") << 6 << QList<int>{100, 150, 210, 295, 344, 345}
                                   << QList<int>{45, 85, 125, 165, 205, 245};
    }
    void tabStopsFollowTheParagraphTheReportStartsIn() {
        QFETCH(int, stopsBefore);
        QFETCH(QList<int>, headingStops);
        QFETCH(QList<int>, historyStops);
        RichDocument before;
        for (int i = 0; i < stopsBefore; ++i)
            before.paragraphs.first().tabStops.append(1000 * (i + 1));
        const RichDocument document =
            report(MemoryImage{}, DataValidFlags{}, {false, true, false, false}, 0, before);
        const auto inPoints = [](QList<int> twips) {
            for (int& stop : twips)
                stop /= TwipsPerPoint;
            return twips;
        };
        QCOMPARE(inPoints(document.paragraphs.at(2).tabStops), headingStops);
        QCOMPARE(inPoints(document.paragraphs.last().tabStops), historyStops);
    }

    void appendingKeepsTheEarlierReport() {
        const RichDocument first =
            report(image(), everythingValid(), {true, false, false, false}, 0);
        const RichDocument loaded = readRtf(writeRtf(first));
        const RichDocument both =
            report(image(), everythingValid(), {true, false, false, false}, 0, loaded);
        const QStringList lines = paragraphTexts(both);
        const QStringList earlier = paragraphTexts(first);
        QCOMPARE(lines.mid(0, earlier.size()), earlier);
        // The earlier report ends in an empty paragraph, which becomes the new one's empty line.
        QCOMPARE(lines.mid(earlier.size() - 1, 2), QStringList({QString(), QString(62, u'-')}));
    }

    void headingColoursAndSizes_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("titleHalfPoints");
        QTest::addColumn<int>("languageHalfPoints");
        QTest::newRow("English") << 0 << 24 << 20;
        QTest::newRow("Chinese") << 2 << 26 << 26;
        QTest::newRow("German") << 3 << 24 << 20;
    }
    void headingColoursAndSizes() {
        QFETCH(int, language);
        QFETCH(int, titleHalfPoints);
        QFETCH(int, languageHalfPoints);
        const RichDocument document = report(MemoryImage{}, DataValidFlags{}, {}, language);
        const QList<RichRun>& rule = document.paragraphs.at(1).runs;
        QCOMPARE(rule.first().colour, RichColours::Red);
        QCOMPARE(rule.first().halfPoints, 20);
        const QList<RichRun>& title = document.paragraphs.at(2).runs;
        QCOMPARE(title.at(0).colour, RichColours::Blue);
        QCOMPARE(title.at(0).halfPoints, titleHalfPoints);
        QCOMPARE(title.at(1).colour, RichColours::Black);
        QCOMPARE(title.at(1).halfPoints, 20);
        QCOMPARE(document.paragraphs.at(3).runs.first().halfPoints, languageHalfPoints);
    }
};

class LogCsvTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreQuotedOnlyWhereNeeded_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "12.5V"
                               << "12.5V";
        QTest::newRow("space") << "Int 40.0"
                               << "\"Int 40.0\"";
        QTest::newRow("comparison signs") << "45.6<V<60.2"
                                          << "45.6<V<60.2";
        QTest::newRow("quote inside") << "a\"b"
                                      << "\"a\"\"b\"";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("comma") << "1,5"
                               << "\"1,5\"";
        QTest::newRow("already quoted") << "\"x y\""
                                        << "\"x y\"";
        QTest::newRow("quoted with quote inside") << "\"a\"b\""
                                                  << "\"a\"\"b\"";
        QTest::newRow("NUL at the end")
            << QStringLiteral("ab") + QChar(0) << QStringLiteral("\"ab") + QChar(0) + u'"';
        QTest::newRow("one quote") << "\""
                                   << "\"\"\"\"";
    }
    void fieldsAreQuotedOnlyWhereNeeded() {
        QFETCH(QString, field);
        QFETCH(QString, quoted);
        QCOMPARE(csvQuoted(field), quoted);
    }

    void aLineNeedsItsNumberOfFields() {
        T_objCSV csv(3, QString());
        csv.AddField(QStringLiteral("a"));
        csv.AddField(QStringLiteral("b c"));
        QCOMPARE(csv.BuildLine(), QString());
        csv.AddField(QString());
        QCOMPARE(csv.BuildLine(), QStringLiteral("a,\"b c\","));
    }

    void logLineHoldsTheStateInItsOrder_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("written");
        QTest::newRow("date") << 1 << "\"10 Dec 2026\"";
        QTest::newRow("time") << 2 << "09:30:05";
        QTest::newRow("model") << 3 << "\"VX60 v3\"";
        QTest::newRow("nominal voltage") << 4 << "48V";
        QTest::newRow("regulation state") << 5 << "FLOAT";
        QTest::newRow("battery voltage") << 6 << "51.2V";
        QTest::newRow("voltage range") << 7 << "49.6<V<57.2";
        QTest::newRow("temperature") << 8 << "\"24 oC\"";
        QTest::newRow("charge total") << 9 << "29.3";
        QTest::newRow("charge internal") << 10 << "\"Int 24.8\"";
        QTest::newRow("state of charge") << 12 << "\"SOC  87%\"";
        QTest::newRow("load external") << 15 << "\"Ext 1.2\"";
        QTest::newRow("load Ah total") << 19 << "78";
        QTest::newRow("status row 1") << 22 << "\"13.4 Hours\"";
        QTest::newRow("status row 10") << 31 << "\"74.0 V\"";
        QTest::newRow("status row 13") << 32 << "On";
        QTest::newRow("status row 12 last") << 37 << "42";
    }
    void logLineHoldsTheStateInItsOrder() {
        QFETCH(int, field);
        QFETCH(QString, written);
        const QStringList fields = splitCsvLine(::twoLogEntries(0).second.first());
        QCOMPARE(fields.size(), LogColumnCount);
        QCOMPARE(fields.at(field - 1), written);
    }

    void writeAppendsWholeLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LOGFILE.CSV"));
        T_objCSV csv(2, path);
        for (const char* second : {"1", "2 3"}) {
            csv.Clear();
            csv.AddField(QStringLiteral("x"));
            csv.AddField(QString::fromLatin1(second));
            csv.BuildLine();
            QVERIFY(csv.Write());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("x,1\r\nx,\"2 3\"\r\n"));
    }

    void writeSaysWhenTheFileCannotBeWritten() {
        T_objCSV csv(1, QStringLiteral("/nonexistent-folder/LOGFILE.CSV"));
        csv.AddField(QStringLiteral("x"));
        csv.BuildLine();
        QString error;
        QVERIFY(!csv.Write(&error));
        QVERIFY(!error.isEmpty());
    }

    void failedReadIsMarkedInBothFiles() {
        const MemoryImage image = RecordsFixture::image();
        const ControllerIdentity identity;
        RichDocument document;
        RichComposer edit(document);
        T_objCSV csv(LogColumnCount, QString());
        ComposeLogEntry(edit, csv, {image, identity, 0, "d", "t", true});
        const QString line = csv.BuildLine();
        QVERIFY(line.startsWith(QStringLiteral("d,t,")));
        QVERIFY(line.contains(QStringLiteral(",\"Read failed\",")));
        QVERIFY(paragraphTexts(document).at(2).endsWith(QStringLiteral("State:Read failed")));
    }
};

class ReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void namesWithoutFolderFindOne_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("portable copy") << "QTSDATA1" << true << "/opt/tarvik/QTSDATA1";
        QTest::newRow("installed copy")
            << "QTSDATA1" << false << "/home/u/Documents/TARVIK/QTSDATA1";
        QTest::newRow("folder given") << "/data/SITE" << false << "/data/SITE";
        QTest::newRow("relative folder") << "sub/SITE" << true << "sub/SITE";
    }
    void namesWithoutFolderFindOne() {
        QFETCH(QString, name);
        QFETCH(bool, programWritable);
        QFETCH(QString, resolved);
        const SaveLocations locations{QStringLiteral("/opt/tarvik"), programWritable,
                                      QStringLiteral("/home/u/Documents")};
        QCOMPARE(resolveSaveFileName(name, locations), resolved);
    }

    void appendKeepsAPlainTextFileAsItsStart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OLD"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("notes from the site\r\nsecond line\r\n");
        file.close();
        QString error;
        QVERIFY(saveComposedFile(
            path, SaveAction::Append, [](RichComposer& edit) { edit.line(QStringLiteral("new")); },
            &error));
        RichDocument document;
        QVERIFY(loadRichFile(path, document, &error));
        QCOMPARE(paragraphTexts(document),
                 QStringList({"notes from the site", "second line", "new", QString()}));
    }
};

class LogScheduleTest : public QObject {
    Q_OBJECT
private slots:
    // Hours seen at successive ticks, and the ticks at which an entry is due.
    void entriesComeEveryRateHourChanges_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("sampling");
        QTest::addColumn<QList<int>>("hours");
        QTest::addColumn<QList<int>>("due");
        QTest::newRow("every 2 hours, started at 9")
            << 2 << true << QList<int>{9, 9, 10, 10, 11, 12, 13} << QList<int>{2, 5};
        QTest::newRow("every hour, across midnight")
            << 1 << true << QList<int>{22, 23, 0, 0, 1} << QList<int>{0, 1, 2, 4};
        QTest::newRow("started at hour 0 does not step at once")
            << 1 << true << QList<int>{0, 0, 1} << QList<int>{2};
        QTest::newRow("logging off never logs")
            << 1 << false << QList<int>{5, 6, 7} << QList<int>{};
    }
    void entriesComeEveryRateHourChanges() {
        QFETCH(int, rate);
        QFETCH(bool, sampling);
        QFETCH(QList<int>, hours);
        QFETCH(QList<int>, due);
        LogSchedule schedule(rate);
        QList<int> logged;
        for (int tick = 0; tick < hours.size(); ++tick)
            if (schedule.hourStep(hours.at(tick), false, sampling, rate))
                logged << tick;
        QCOMPARE(logged, due);
    }

    void busyLinkPostponesTheStep() {
        LogSchedule schedule(1);
        QVERIFY(!schedule.hourStep(5, true, true, 1));
        QCOMPARE(schedule.LastHour, 0);
        QVERIFY(schedule.hourStep(5, false, true, 1));
    }

    void loweredRateTakesEffectAtOnce() {
        LogSchedule schedule(12);
        schedule.followRate(3);
        QCOMPARE(schedule.LogCountdown, 3);
        schedule.followRate(8);
        QCOMPARE(schedule.LogCountdown, 3);
    }

    void switchedOnWithCountdownSpentLogsAtTheNextHour() {
        LogSchedule schedule(1);
        QVERIFY(!schedule.hourStep(4, false, false, 1));
        QCOMPARE(schedule.LogCountdown, 0);
        QVERIFY(!schedule.hourStep(4, false, true, 1));
        QVERIFY(schedule.hourStep(5, false, true, 1));
    }
};

class LogFileTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAccumulateInBothFiles() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("LogFile"));
        T_objCSV csv(LogColumnCount, dir.filePath(QStringLiteral("LOGFILE.CSV")));
        const MemoryImage image = RecordsFixture::image();
        const ControllerIdentity identity;
        for (const char* time : {"09:00:00", "11:00:00"})
            QCOMPARE(writeLogEntry(log, csv, {image, identity, 0, "d", time, false}, nullptr),
                     LogWriteResult::Written);
        RichDocument document;
        QVERIFY(loadRichFile(log, document, nullptr));
        const QStringList lines = paragraphTexts(document);
        QCOMPARE(lines.count(QString(62, u'-')), 2);
        QCOMPARE(lines.at(0), QStringLiteral(" "));
        QCOMPARE(lines.at(lines.indexOf(QString(62, u'-'), 2) - 1), QStringLiteral(" "));
        QFile file(csv.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows.at(0).startsWith("d,09:00:00,"));
        QVERIFY(rows.at(1).startsWith("d,11:00:00,"));
    }

    void unwritableLogLeavesTheCsvAlone() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("LogFile"));
        QVERIFY(QDir().mkpath(log));
        T_objCSV csv(LogColumnCount, dir.filePath(QStringLiteral("LOGFILE.CSV")));
        const MemoryImage image;
        const ControllerIdentity identity;
        QString error;
        QCOMPARE(writeLogEntry(log, csv, {image, identity, 0, "d", "t", false}, &error),
                 LogWriteResult::Failed);
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(csv.fileName()));
    }
};

TARVIK_TEST_MAIN(RecordGoldenTest, ReportBlocksTest, LogCsvTest, ReportFileTest, LogScheduleTest,
                 LogFileTest)

#include "test_records.moc"
