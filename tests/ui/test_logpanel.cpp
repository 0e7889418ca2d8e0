#include "fakecontroller.h"
#include "programrig.h"
#include "widgettestmain.h"

#include "data/ui/readform.h"
#include "platform/rtfreader.h"
#include "shell/ui/logpanel.h"
#include "shell/ui/maintoolbar.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

std::array<quint8, 512> controllerMemory() {
    QFile file(QStringLiteral(TARVIK_GOLDEN_DIR "/vx60-48v.image"));
    std::array<quint8, 512> memory{};
    if (file.open(QIODevice::ReadOnly))
        std::memcpy(memory.data(), file.readAll().constData(), memory.size());
    return memory;
}

QList<QByteArray> csvLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast();
    return lines;
}

// Commas inside quotes do not separate fields.
int fieldCount(const QByteArray& line) {
    int fields = 1;
    bool quoted = false;
    for (const char c : line) {
        quoted = c == '"' ? !quoted : quoted;
        fields += c == ',' && !quoted ? 1 : 0;
    }
    return fields;
}

} // namespace

// The periodic log on the virtual clock and a wall clock the test sets.
class LogPanelTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        store = std::make_unique<MemoryConfigStore>();
        rig = std::make_unique<ProgramRig>(*store);
        main = rig->program.mainform.get();
        panel = main->Logpanel;
        panel->logedit->setText(QStringLiteral("SITELOG"));
    }
    void cleanup() {
        rig.reset();
        store.reset();
    }

    void entriesFollowTheHourChanges() {
        answerReadsFrom(rig->direct, rig->program.link.state, controllerMemory());
        switchLoggingOn(1);
        rig->clock.time = QDateTime(QDate(2026, 12, 10), QTime(9, 59, 58));
        tickAndRead(); // the first tick steps from hour 0: an entry is due
        tick();
        QCOMPARE(csvLines(csvPath()).size(), 1);
        tick(); // the same hour: nothing more
        QCOMPARE(csvLines(csvPath()).size(), 1);
        rig->clock.time = rig->clock.time.addSecs(3);
        tickAndRead();
        tick();
        const QList<QByteArray> lines = csvLines(csvPath());
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(1).contains(",10:00:01,"));
        QCOMPARE(fieldCount(lines.at(1)), 37);
        QVERIFY(lines.at(1).contains(",FLOAT,"));
        const RichDocument log = readRtf(contentOf(logPath()));
        QCOMPARE(log.plainText().count(QString(62, u'-')), 2);
        QCOMPARE(rig->program.link.status.text(StatusPanels::Link),
                 QStringLiteral("Logged to ") + logPath());
    }

    void loweredIntervalShortensTheWait() {
        // The countdown starts from the stored interval, 2 hours.
        switchLoggingOn(12);
        rig->clock.time = QDateTime(QDate(2026, 12, 10), QTime(0, 30));
        tick();
        QCOMPARE(panel->Waittimelab->text(), QStringLiteral("  2"));
        panel->rateedit->setValue(1);
        tick();
        QCOMPARE(panel->Waittimelab->text(), QStringLiteral("  1"));
        panel->Samplecheck->click();
        tick();
        QVERIFY(!panel->rateedit->isEnabled());
        QVERIFY(!panel->Waittimelab->isVisible());
    }

    void siteButtonLogsAtOnce() {
        answerReadsFrom(rig->direct, rig->program.link.state, controllerMemory());
        forceLog();
        QCOMPARE(csvLines(csvPath()).size(), 1);
    }

    void failedReadsAreMarkedInTheEntry() {
        forceLog();
        const QList<QByteArray> lines = csvLines(csvPath());
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().contains(",\"Read failed\","));
        QVERIFY(readRtf(contentOf(logPath()))
                    .plainText()
                    .contains(QStringLiteral("State:Read failed")));
    }

    void viewerShowsTheLog() {
        answerReadsFrom(rig->direct, rig->program.link.state, controllerMemory());
        forceLog();
        QTest::mouseClick(main->toolBar->button(12), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        TReadform& viewer = *rig->program.readform;
        QTest::mouseClick(panel->Logread, Qt::LeftButton);
        QCOMPARE(viewer.filelab->text(), QStringLiteral("Data in file:  ") + logPath());
        QVERIFY(viewer.Readedit->toPlainText().contains(QStringLiteral("TIME ")));
    }

private:
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString logPath() const { return rig->saveFolder.filePath(QStringLiteral("program/SITELOG")); }
    QString csvPath() const {
        return rig->saveFolder.filePath(QStringLiteral("program/LOGFILE.CSV"));
    }
    void switchLoggingOn(int rate) {
        panel->Samplecheck->click();
        panel->rateedit->setValue(rate);
    }
    void tick() { main->Timer1Timer(); }
    // The site button's log outside site mode, read and written.
    void forceLog() {
        rig->clock.time = QDateTime(QDate(2026, 12, 10), QTime(0, 30));
        tick();
        QTest::mouseClick(main->sitebutton, Qt::LeftButton);
        rig->runLink();
        tick();
    }
    void tickAndRead() {
        tick();
        QVERIFY(rig->program.link.isBusy());
        rig->runLink();
    }

    std::unique_ptr<MemoryConfigStore> store;
    std::unique_ptr<ProgramRig> rig;
    Tmainform* main = nullptr;
    LogPanel* panel = nullptr;
};

TARVIK_WIDGET_TEST_MAIN(LogPanelTest)

#include "test_logpanel.moc"
