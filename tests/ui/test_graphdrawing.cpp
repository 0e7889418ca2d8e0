#include "graphwindowrig.h"
#include "testmain.h"

#include "shell/historychart.h"
#include "shell/ui/historychartpainter.h"
#include "shell/ui/qtsavedialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr int BottomRow = 379; // the row above the baseline

// Today is record 0; every day gets `others` except the days named in `days`.
HistoryMemory history(std::array<int, 7> others, const QMap<int, std::array<int, 7>>& days = {}) {
    HistoryMemory memory;
    memory.today(0);
    for (int day = 1; day <= HistoryBlock::Days; ++day)
        memory.day(day, days.value(day, others));
    return memory;
}

std::array<int, 7> inOut(int in, int out) {
    return {0, 0, 0, 0, in & 0xFF, out & 0xFF, (in >> 8) | (out >> 8) << 4};
}

// The height of the run of `colour` standing on the baseline in column x.
int heightAt(const QImage& picture, int x, const QColor& colour) {
    int height = 0;
    while (BottomRow - height >= 0 && picture.pixelColor(x, BottomRow - height) == colour)
        ++height;
    return height;
}

// The width of the run of `colour` on the baseline from column x.
int widthFrom(const QImage& picture, int x, const QColor& colour) {
    int width = 0;
    while (x + width < picture.width() && picture.pixelColor(x + width, BottomRow) == colour)
        ++width;
    return width;
}

// Pixels inside the text's box whose ink differs from the text drawn alone at its place.
int inkMismatches(const QImage& picture, const ChartText& text, int& inkPixels) {
    QImage alone(picture.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    const QColor ink = chartInkColour(text.ink);
    const QFontMetrics metrics(chartFont());
    const QPoint baseline = text.topLeft + QPoint(0, metrics.ascent());
    {
        QPainter painter(&alone);
        painter.setFont(chartFont());
        painter.setPen(ink);
        painter.drawText(baseline, text.text);
    }
    const QRect box = metrics.boundingRect(text.text).translated(baseline) & picture.rect();
    int mismatches = 0;
    inkPixels = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool expected = alone.pixelColor(x, y) == ink;
            inkPixels += expected ? 1 : 0;
            mismatches += expected != (picture.pixelColor(x, y) == ink) ? 1 : 0;
        }
    }
    return mismatches;
}

QMenu* openContextMenu(Tgraphform& form) {
    // Through the window, as the platform delivers it, so the press becomes a context menu event.
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, QPoint(300, 200));
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

// The bars, scales and labels the window paints, checked in its pixels.
class GraphDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void barsStandInTheirDaySlots_data() {
        QTest::addColumn<GraphSeriesCodes>("series");
        QTest::addColumn<HistoryMemory>("device");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QColor>("colour");
        const QColor blue(0, 0, 255), yellow(255, 255, 0), red(255, 0, 0), green(0, 255, 0);

        const HistoryMemory charge = history(inOut(100, 0), {{1, inOut(130, 0)}});
        QTest::newRow("one list: day 1, 130 Ah on a scale of 5 from 100")
            << GraphSeriesCodes{1, 0, 0, 0} << charge << 52 << 16 << 168 << blue;
        QTest::newRow("one list: day 2 at the scale's minimum draws 2 pixels")
            << GraphSeriesCodes{1, 0, 0, 0} << charge << 70 << 16 << 2 << blue;

        const HistoryMemory both = history(inOut(0, 0), {{1, inOut(10, 20)}});
        QTest::newRow("two lists: charge in the first slot")
            << GraphSeriesCodes{1, 2, 0, 0} << both << 52 << 8 << 140 << blue;
        QTest::newRow("two lists: discharge beside it")
            << GraphSeriesCodes{1, 2, 0, 0} << both << 60 << 8 << 280 << yellow;

        const HistoryMemory volts =
            history({120, 110, 0, 0, 0, 0, 0}, {{1, {150, 0, 0, 0, 0, 0, 0}}});
        QTest::newRow("one series in two lists: once, in the later colour")
            << GraphSeriesCodes{3, 0, 3, 0} << volts << 52 << 8 << 224 << red;

        const HistoryMemory low = history({0, 72, 0, 0, 0, 0, 0}, {{5, {0, 50, 0, 0, 0, 0, 0}}});
        QTest::newRow("day 5: voltage byte below 70 draws 2 pixels")
            << GraphSeriesCodes{0, 0, 0, 4} << low << 124 << 16 << 2 << green;
        QTest::newRow("day 6: voltage byte 72")
            << GraphSeriesCodes{0, 0, 0, 4} << low << 142 << 16 << 5 << green;

        const HistoryMemory floatAndCharge = history({0, 0, 100, 255, 0, 0, 0});
        QTest::newRow("code order: float time first")
            << GraphSeriesCodes{6, 5, 0, 0} << floatAndCharge << 52 << 8 << 140 << yellow;
        QTest::newRow("code order: charge state second, held to 336")
            << GraphSeriesCodes{6, 5, 0, 0} << floatAndCharge << 60 << 8 << 336 << blue;

        QTest::newRow("three lists: day 3, second slot")
            << GraphSeriesCodes{0, 5, 6, 3} << floatAndCharge << 93 << 5 << 140 << yellow;

        const HistoryMemory four = history({100, 100, 0, 0, 0, 0, 0});
        QTest::newRow("four lists: day 30, last slot")
            << GraphSeriesCodes{1, 2, 3, 4} << four << 586 << 4 << 84 << green;
    }
    void barsStandInTheirDaySlots() {
        QFETCH(GraphSeriesCodes, series);
        QFETCH(HistoryMemory, device);
        QFETCH(int, left);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QColor, colour);
        GraphWindowRig w;
        w.graph.GraphSeries = series;
        QVERIFY(w.openOn(device));
        const QImage picture = w.picture();
        QVERIFY(picture.pixelColor(left - 1, BottomRow) != colour);
        QCOMPARE(widthFrom(picture, left, colour), width);
        QCOMPARE(heightAt(picture, left, colour), height);
        QCOMPARE(heightAt(picture, left + width - 1, colour), height);
    }

    void noSeriesChosenDrawsNoBars() {
        GraphWindowRig w;
        w.graph.GraphSeries = {0, 0, 0, 0};
        QVERIFY(w.openOn(history({150, 120, 100, 90, 200, 100, 0})));
        const QImage picture = w.picture();
        QCOMPARE(picture.pixelColor(50, 200), QColor(Qt::black)); // the axes are there
        for (int y = 40; y <= BottomRow; ++y)
            for (int x = 51; x < 590; ++x)
                for (int list = 0; list < 4; ++list)
                    QVERIFY(picture.pixelColor(x, y) != seriesListColour(list));
    }

    void everyLabelIsPaintedAtItsPlace_data() {
        QTest::addColumn<GraphSeriesCodes>("series");
        QTest::addColumn<int>("batteryCode");
        QTest::newRow("charge on a 12 V system") << GraphSeriesCodes{1, 0, 0, 0} << 0;
        QTest::newRow("both Ah on a 48 V system") << GraphSeriesCodes{1, 2, 5, 6} << 4;
    }
    void everyLabelIsPaintedAtItsPlace() {
        QFETCH(GraphSeriesCodes, series);
        QFETCH(int, batteryCode);
        GraphWindowRig w;
        w.graph.GraphSeries = series;
        const HistoryMemory device =
            history(inOut(1200, 400), {{1, inOut(1500, 300)}}).set(93, batteryCode);
        QVERIFY(w.openOn(device));
        const QImage picture = w.picture();
        const HistoryChart chart = layoutHistoryChart(w.rig.link.image, series, {});
        QCOMPARE(chart.texts.size(), size_t(82));
        for (const auto& text : chart.texts) {
            int inkPixels = 0;
            const int mismatches = inkMismatches(picture, text, inkPixels);
            QVERIFY2(inkPixels > 0 && mismatches == 0, qPrintable(text.text));
        }
    }
};

// Saving the graph as a picture.
class GraphImageTest : public QObject {
    Q_OBJECT
private slots:
    void theContextMenuSavesWhatTheWindowShows() {
        GraphWindowRig w;
        QVERIFY(w.openOn(history(inOut(100, 0), {{1, inOut(130, 0)}})));
        QTemporaryDir dir;
        w.dialogs.answer = dir.filePath(QStringLiteral("history.png"));
        QMenu* menu = openContextMenu(w.form);
        QVERIFY(menu != nullptr);
        QAction* save = menu->actions().value(0);
        QCOMPARE(save->text(), QStringLiteral("Save Graph as Image..."));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(save).center());

        const QImage saved(w.dialogs.answer);
        QCOMPARE(saved.size(), QSize(640, 440));
        QCOMPARE(saved.pixelColor(52, BottomRow), QColor(0, 0, 255));
        QCOMPARE(heightAt(saved, 52, QColor(0, 0, 255)), 182); // with discharge: 20 Ah a step
        QVERIFY(w.dialogs.errors.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"history.png"});
    }

    void nothingToSaveBeforeTheHistoryIsRead() {
        GraphWindowRig w;
        QVERIFY(w.open()); // no answer: the read fails
        w.finishRead();
        QMenu* menu = openContextMenu(w.form);
        QVERIFY(menu != nullptr);
        QVERIFY(!menu->actions().value(0)->isEnabled());
        menu->close();
        QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.asked, 0);
    }

    void aFileThatCannotBeWrittenIsReported() {
        GraphWindowRig w;
        QVERIFY(w.openOn(history(inOut(100, 0))));
        QTemporaryDir dir;
        w.dialogs.answer = dir.filePath(QStringLiteral("missing/history.png"));
        QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.asked, 1);
        QCOMPARE(w.dialogs.errors.size(), 1);
        QVERIFY(w.dialogs.errors[0].startsWith(QStringLiteral("Cannot save the image\n")));
        QVERIFY(
            QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }

    void cancellingWritesNothing() {
        GraphWindowRig w;
        QVERIFY(w.openOn(history(inOut(100, 0))));
        QTest::keyClick(&w.form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.asked, 1);
        QVERIFY(w.dialogs.errors.isEmpty());
    }
};

// The program's save dialogs open without blocking and answer through their callback.
class QtSaveDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void aConfirmedNameReachesTheCallback() {
        QWidget parent;
        QtSaveDialogs dialogs;
        QStringList chosen;
        QTemporaryDir dir;
        dialogs.askSaveFileName(&parent, QStringLiteral("HISTORY DATA"),
                                QStringLiteral("history.png"), QStringLiteral("PNG (*.png)"),
                                [&chosen](const QString& path) { chosen << path; });
        auto* dialog = parent.findChild<QFileDialog*>();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QVERIFY(chosen.isEmpty()); // nothing waits for the user
        dialog->selectFile(dir.filePath(QStringLiteral("week")));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
        QCOMPARE(chosen, QStringList{dir.filePath(QStringLiteral("week.png"))});
    }

    void aCancelledDialogAnswersNothing() {
        QWidget parent;
        QtSaveDialogs dialogs;
        bool called = false;
        dialogs.askSaveFileName(&parent, {}, QStringLiteral("history.png"), {},
                                [&called](const QString&) { called = true; });
        parent.findChild<QFileDialog*>()->reject();
        QVERIFY(!called);
    }

    void anErrorIsShownWithoutBlocking() {
        QWidget parent;
        QtSaveDialogs dialogs;
        dialogs.showSaveError(&parent, QStringLiteral("HISTORY DATA"), QStringLiteral("disk full"));
        auto* box = parent.findChild<QMessageBox*>();
        QVERIFY(box != nullptr);
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("disk full"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runTests<GraphDrawingTest, GraphImageTest, QtSaveDialogsTest>(argc, argv);
}

#include "test_graphdrawing.moc"
