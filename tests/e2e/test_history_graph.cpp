#include "answeringsavedialogs.h"
#include "historyoracle.h"
#include "programlink.h"
#include "simulatedline.h"
#include "testmain.h"

#include "common/languagefonts.h"
#include "shell/graphstate.h"
#include "shell/historychart.h"
#include "shell/ui/historychartpainter.h"
#include "shell/ui/tgraphform.h"

#include <QApplication>
#include <QSignalSpy>

// The graph window reads the simulated controller's history and draws it.
class HistoryGraphTest : public QObject {
    Q_OBJECT
private slots:
    void theGraphShowsTheControllersHistory() {
        SimulatedLine sim(steadyConfig(sim::Model::VX40, sim::SystemVoltage::V24));
        QVERIFY2(sim.line.open(), qPrintable(sim.line.errorString()));
        ProgramLink program(sim.line.devicePath());
        LanguageFonts fonts;
        GraphState graph;
        AnsweringSaveDialogs dialogs;
        Tgraphform form(program.link, fonts, graph, dialogs);
        QSignalSpy done(&program.link, &ControllerLink::readEnded);

        form.showOrHide();
        QVERIFY(QTest::qWaitFor([&] { return !done.isEmpty(); }, 180000));
        QCOMPARE(done.at(0).at(1).value<ReadOutcome>(), ReadOutcome::Completed);
        QVERIFY(graph.HistoryValid);

        const QList<int> read = addressesRead(sim.controller);
        QCOMPARE(read.mid(0, 3), (QList<int>{93, 93, 511}));
        QCOMPARE(read.last(), 299);
        QCOMPARE(int(program.link.image.at(93)), int(sim.controller.imageByte(93)));
        for (int address = 299; address < 512; ++address)
            QCOMPARE(int(program.link.image.at(address)), int(sim.controller.imageByte(address)));

        // Charge and discharge bars of every day as tall as the controller's amp-hours make them.
        const QImage picture = form.grab().toImage();
        const HistoryChart chart = layoutHistoryChart(program.link.image, graph.GraphSeries, {});
        QCOMPARE(chart.bars.size(), size_t(60));
        for (const ChartBar& bar : chart.bars) {
            const QColor colour = seriesListColour(bar.list);
            QCOMPARE(picture.pixelColor(bar.rect.left(), bar.rect.top()), colour);
            QCOMPARE(picture.pixelColor(bar.rect.right(), bar.rect.bottom()), colour);
            QVERIFY(picture.pixelColor(bar.rect.left(), bar.rect.top() - 1) != colour);
        }
        const int dayOneCharge = historyoracle::chargeAh(sim.controller, 1);
        const int expectedHeight =
            std::clamp((dayOneCharge - chart.ahScale.minimum) * 28 / chart.ahScale.step, 2, 336);
        QCOMPARE(chart.bars.front().rect.height(), expectedHeight);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runTests<HistoryGraphTest>(argc, argv);
}

#include "test_history_graph.moc"
