#include "graphwindowrig.h"
#include "testmain.h"

#include "link/readfailuretexts.h"
#include "shell/graphtexts.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

HistoryMemory someHistory() {
    return HistoryMemory().set(93, 1).code(1).today(12).day(1, {130, 118, 30, 95, 40, 25, 0});
}

// The image address of every frame sent, each read twice as the double check wants.
QList<int> historyReadOrder() {
    QList<int> order{93, 93};
    for (int address = 511; address >= 299; --address)
        order << address << address;
    return order;
}

} // namespace

// How the graph window gets its history: when it is shown, after a failure, on a click.
class GraphReadTest : public QObject {
    Q_OBJECT
private slots:
    void showingTheWindowReadsTheHistoryBlock() {
        GraphWindowRig w;
        const HistoryMemory device = someHistory();
        w.rig.answerFrom(device.bytes);
        QSignalSpy status(&w.rig.link.status, &StatusPanels::changed);
        QVERIFY(w.open());
        QCOMPARE(status.at(0).at(1).toString(), QStringLiteral("Start")); // before the first frame
        auto* progress = w.child<QProgressBar>("waitprogress");
        auto* waitLabel = w.child<QLabel>("Waitlab");
        QVERIFY(progress->isVisible());
        QVERIFY(waitLabel->isVisible());
        QCOMPARE(progress->maximum(), 214);
        QCOMPARE(progress->value(), 0);

        w.rig.clock.advance(20 * 4); // 20 addresses, each read twice two ticks apart
        QCOMPARE(progress->value(), 20);
        w.finishRead();

        QCOMPARE(w.rig.addressesSent(), historyReadOrder());
        for (int address = 299; address < 512; ++address)
            QCOMPARE(int(w.rig.link.image.at(address)), int(device.bytes[size_t(address)]));
        QCOMPARE(int(w.rig.link.image.at(93)), 1);
        QCOMPARE(int(w.rig.link.image.at(298)), 0); // below the block: not read
        QVERIFY(w.graph.HistoryValid);
        QVERIFY(!progress->isVisible());
        QVERIFY(!waitLabel->isVisible());
    }

    void aValidHistoryIsNotReadAgainOnShowOrDraw() {
        GraphWindowRig w;
        QVERIFY(w.openOn(someHistory()));
        const qsizetype frames = w.rig.direct.sent.size();
        w.form.showOrHide();
        QVERIFY(w.open());
        QTest::mouseClick(w.child<QPushButton>("Drawbutton"), Qt::LeftButton);
        QCOMPARE(w.rig.direct.sent.size(), frames);
    }

    void aFailedReadSaysSoAndDrawReadsAgain() {
        GraphWindowRig w;
        QVERIFY(w.open()); // nothing answers
        w.finishRead();
        QCOMPARE(w.rig.done.size(), 1);
        QVERIFY(!w.graph.HistoryValid);
        auto* waitLabel = w.child<QLabel>("Waitlab");
        auto* progress = w.child<QProgressBar>("waitprogress");
        auto* failure = w.child<QLabel>("Faillab");
        QVERIFY(!waitLabel->isVisible() && !progress->isVisible());
        QVERIFY(failure->isVisible());
        QCOMPARE(failure->text(), QStringLiteral("Read failed: the controller did not reply."));

        const qsizetype frames = w.rig.direct.sent.size();
        QTest::mouseClick(w.child<QPushButton>("Drawbutton"), Qt::LeftButton);
        QCOMPARE(w.rig.direct.sent.size(), frames + 1);
        QCOMPARE(w.rig.addressesSent().last(), 93); // a new history read
        QVERIFY(waitLabel->isVisible() && progress->isVisible() && !failure->isVisible());
        QCOMPARE(progress->value(), 0);
    }

    // A read that does not start leaves no wait behind: the window says why.
    void aReadThatDoesNotStartSaysWhy_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("port will not open")
            << "port" << 0 << "Read failed: the port cannot be used.";
        QTest::newRow("start-up not over")
            << "startup" << 3 << "Lesen nicht gestartet: die Verbindung ist noch nicht bereit.";
        QTest::newRow("another read running")
            << "busy" << 0 << "Read not started: another read is running.";
    }
    void aReadThatDoesNotStartSaysWhy() {
        QFETCH(QString, obstacle);
        QFETCH(int, language);
        QFETCH(QString, shown);
        GraphWindowRig w;
        w.rig.link.state.LanguageIndex = language;
        w.rig.direct.failOpen = obstacle == QStringLiteral("port");
        w.rig.link.state.StartupPending = obstacle == QStringLiteral("startup");
        if (obstacle == QStringLiteral("busy"))
            QCOMPARE(w.rig.link.startRead(ReadKind::Current, Requester::Window),
                     ReadStart::Started);
        const qsizetype frames = w.rig.direct.sent.size();
        QVERIFY(w.open());
        QCOMPARE(w.rig.direct.sent.size(), frames);
        QVERIFY(!w.graph.HistoryValid);
        QVERIFY(!w.child<QLabel>("Waitlab")->isVisible());
        QVERIFY(!w.child<QProgressBar>("waitprogress")->isVisible());
        auto* failure = w.child<QLabel>("Faillab");
        QVERIFY(failure->isVisible());
        QCOMPARE(failure->text(), shown);
    }

    void aClickOnTheBackgroundReadsAgain() {
        GraphWindowRig w;
        const HistoryMemory device = someHistory();
        QVERIFY(w.openOn(device));
        w.rig.link.image.store(302, 0); // so the second read shows itself
        QTest::mouseClick(&w.form, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!w.graph.HistoryValid);
        QVERIFY(w.child<QLabel>("Waitlab")->isVisible());
        w.finishRead();
        QVERIFY(w.graph.HistoryValid);
        QCOMPARE(w.rig.link.image.at(302), device.bytes[302]);
        QCOMPARE(w.rig.addressesSent().size(), 2 * historyReadOrder().size());
    }

    void aRequestWhileTheLinkIsBusyIsDropped() {
        GraphWindowRig w;
        w.rig.answerFrom(someHistory().bytes);
        QCOMPARE(w.rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        QVERIFY(w.open());
        QCOMPARE(w.rig.direct.sent.size(), 1); // only the current-state read's first frame
        w.finishRead();
        QCOMPARE(w.rig.done.last().at(0).toInt(), int(ReadKind::Current));
        QVERIFY(!w.graph.HistoryValid); // not drawn from another read's end
    }

    void aClickDuringAnotherReadKeepsTheChart() {
        GraphWindowRig w;
        QVERIFY(w.openOn(someHistory()));
        const QImage chart = w.picture();
        QCOMPARE(w.rig.link.startRead(ReadKind::Current, Requester::Window), ReadStart::Started);
        const qsizetype frames = w.rig.direct.sent.size();
        QTest::mouseClick(&w.form, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(w.graph.HistoryValid);
        QCOMPARE(w.rig.direct.sent.size(), frames);
        QVERIFY(!w.child<QLabel>("Waitlab")->isVisible());
        QCOMPARE(w.picture(), chart);
    }

    void anActivationDuringItsOwnReadKeepsItsProgress() {
        GraphWindowRig w;
        w.rig.answerFrom(someHistory().bytes);
        QVERIFY(w.open());
        w.rig.clock.advance(20 * 4);
        auto* progress = w.child<QProgressBar>("waitprogress");
        QCOMPARE(progress->value(), 20);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const qsizetype frames = w.rig.direct.sent.size();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(progress->value(), 20);
        QVERIFY(progress->isVisible() && w.child<QLabel>("Waitlab")->isVisible());
        QCOMPARE(w.rig.direct.sent.size(), frames);
        w.finishRead();
        QVERIFY(w.graph.HistoryValid);
    }
};

// The window's lists, texts and fonts, and how the main window shows and hides it.
class GraphControlsTest : public QObject {
    Q_OBJECT
private slots:
    void listsStartWithChargeAndDischarge() {
        GraphWindowRig w;
        QVERIFY(w.openOn(someHistory()));
        const QList<int> expected{1, 2, 0, 0};
        const QList<const char*> names{"Comb1", "comb2", "Comb3", "Comb4"};
        for (int i = 0; i < 4; ++i) {
            auto* list = w.child<QComboBox>(names[i]);
            QCOMPARE(list->count(), 7);
            QCOMPARE(list->currentIndex(), expected[i]);
            QCOMPARE(list->itemText(6), QStringLiteral("SOC %"));
        }
    }

    void aChosenSeriesIsKeptForTheRun() {
        GraphWindowRig w;
        QVERIFY(w.openOn(someHistory()));
        auto* red = w.child<QComboBox>("Comb3");
        red->setFocus();
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(red, Qt::Key_Down);
        QCOMPARE(w.graph.GraphSeries, (GraphSeriesCodes{1, 2, 3, 0}));
        QVERIFY(w.child<QPushButton>("Drawbutton")->hasFocus());

        w.form.showOrHide(); // hidden and shown again: the lists are reloaded from the choices
        QVERIFY(w.open());
        QCOMPARE(w.child<QComboBox>("Comb3")->currentIndex(), 3);
    }

    void textsAndFontsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("notUsed");
        QTest::addColumn<int>("listFontSize");
        QTest::addColumn<int>("buttonFontSize");
        QTest::addColumn<int>("waitFontSize");
        QTest::addColumn<int>("buttonHeight");
        QTest::newRow("English") << 0 << 10 << "HISTORY DATA"
                                 << "Draw Graph"
                                 << "Not used" << 10 << 10 << 18 << 28;
        QTest::newRow("English, small face") << 0 << 9 << "HISTORY DATA"
                                             << "Draw Graph"
                                             << "Not used" << 9 << 10 << 18 << 24;
        QTest::newRow("French") << 1 << 10 << "MEMOIRE DATA"
                                << "Graph Ecrite"
                                << "Ne Utiliser Pas" << 10 << 10 << 18 << 28;
        QTest::newRow("Chinese 12") << 2 << 12 << "历史数据"
                                    << "作图列表"
                                    << "没有占用" << 10 << 12 << 16 << 28;
        QTest::newRow("Chinese 14") << 2 << 14 << "历史数据"
                                    << "作图列表"
                                    << "没有占用" << 12 << 12 << 16 << 28;
        QTest::newRow("Chinese 9") << 2 << 9 << "历史数据"
                                   << "作图列表"
                                   << "没有占用" << 9 << 12 << 16 << 24;
        QTest::newRow("German") << 3 << 10 << "Datenspeicher"
                                << "Graphik erstellen"
                                << "Keine" << 10 << 10 << 18 << 28;
    }
    void textsAndFontsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(int, fontSize);
        QFETCH(QString, caption);
        QFETCH(QString, button);
        QFETCH(QString, notUsed);
        QFETCH(int, listFontSize);
        QFETCH(int, buttonFontSize);
        QFETCH(int, waitFontSize);
        QFETCH(int, buttonHeight);
        GraphWindowRig w;
        w.fonts.LangFontSize[size_t(language)] = fontSize;
        w.rig.link.state.LanguageIndex = language;
        QSignalSpy status(&w.rig.link.status, &StatusPanels::changed);
        QVERIFY(w.open());
        QCOMPARE(w.form.windowTitle(), caption);
        auto* draw = w.child<QPushButton>("Drawbutton");
        QCOMPARE(draw->text(), button);
        QCOMPARE(draw->font().pointSize(), buttonFontSize);
        QCOMPARE(draw->height(), buttonHeight);
        QCOMPARE(draw->font().family(), w.fonts.name(language));
        auto* list = w.child<QComboBox>("Comb4");
        QCOMPARE(list->itemText(0), notUsed);
        QCOMPARE(list->font().pointSize(), listFontSize);
        QCOMPARE(w.child<QLabel>("Waitlab")->font().pointSize(), waitFontSize);
        QCOMPARE(w.child<QLabel>("daylab")->text(), text(GraphText::DayLabel, language));
        QCOMPARE(w.form.font().pointSize(), fontSize);
        QCOMPARE(status.at(0).at(1).toString(), text(GraphText::Start, language));
    }

    void aLanguageChangeShowsWhenTheWindowIsShownAgain() {
        GraphWindowRig w;
        QVERIFY(w.openOn(someHistory()));
        w.rig.link.state.LanguageIndex = 3;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("HISTORY DATA"));
        w.form.showOrHide();
        QVERIFY(w.open());
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Datenspeicher"));
        QCOMPARE(w.child<QComboBox>("Comb1")->currentText(), QStringLiteral("Ladung Ah"));
    }

    void theHistoryButtonTogglesAndTheCloseBoxRaisesIt() {
        GraphWindowRig w;
        QSignalSpy closed(&w.form, &Tgraphform::FormClose);
        QVERIFY(w.form.showOrHide());
        QVERIFY(w.form.isVisible());
        QVERIFY(!w.form.showOrHide());
        QVERIFY(!w.form.isVisible());
        QCOMPARE(closed.size(), 0); // the button hid it itself
        QVERIFY(w.open());
        QVERIFY(w.form.close());
        QVERIFY(!w.form.isVisible());
        QCOMPARE(closed.size(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runTests<GraphReadTest, GraphControlsTest>(argc, argv);
}

#include "test_graphform.moc"
